// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A class folder's teacher. The teacher's password is kept in the folder
// only as a slow salted hash (Argon2id, libsodium's crypto_pwhash_str) in
// ".tramavox/profesor", beside the records; in a folder that has one, only
// the teacher deletes students and resets counts. The file is read each
// time, since any desk may set the password. A student who can write in
// the folder can still remove the file: the password keeps students from
// doing through the program what is the teacher's, and the records show
// who did what.

#include <QString>

namespace almacen {

class Profesor {
public:
    enum class Estado {
        SinProfesor, // the folder works as one without a teacher
        ConProfesor,
        Danado, // the file is there but holds no hash: nobody's password can be checked
    };
    static constexpr int kMinimo = 6; // characters of a new password

    // The teacher of the folder of that "puntos.pnt".
    explicit Profesor(const QString& rutaPuntos);
    QString ruta() const { return ruta_; }

    Estado estado() const;
    // Whether `contrasena` is the teacher's: never where none is set or the file is damaged.
    bool comprobar(const QString& contrasena) const;
    // Sets the password: where there is none, or where `actual` is the one
    // set. Empty on success, else why not (in Spanish).
    QString poner(const QString& nueva, const QString& actual = {});

private:
    // The file's hash, empty if none or damaged; `existe`: whether there is a file.
    QByteArray hash(bool* existe = nullptr) const;

    QString ruta_;
};

} // namespace almacen
