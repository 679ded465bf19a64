// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A class's folder after many desks answered in it, as the teacher finds
// it: opened once more by the program, which writes its summaries, and
// checked against them.

#include "almacen/AlmacenClase.h"
#include "Archivos.h"

#include <QCoreApplication>
#include <QDir>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <map>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

// The class's group, its teacher, and its students S1… as users 2001….
constexpr gid_t kGrupoClase = 100;
constexpr uid_t kProfesor = 2000;
constexpr uid_t kPrimerAlumno = 2001;
// What S1 had answered before the class's records began: two answers, one right.
constexpr int kAnterioresS1 = 2;

// The class's folder as a teacher sets it up: "puntos.pnt" and "historial.csv"
// from before, the teacher's and writable by the group; in a folder the
// class may not add to, a records' folder the group may.
inline void prepararCarpetaDeClase(const QString& clase, bool soloLectura)
{
    const QByteArray carpeta = QFile::encodeName(clase);
    QCOMPARE(::chown(carpeta.constData(), 0, kGrupoClase), 0);
    escribir(clase + "/puntos.pnt", lineaPuntos("S1", " 2 1"));
    escribir(clase + "/historial.csv", almacen::kCabeceraHistorial +
                                           "2026-12-01T10:00:00,S1,NRZ,0001,0001,bien,leer\r\n"
                                           "2026-12-01T10:01:00,S1,NRZ,0002,0003,mal,leer\r\n");
    for (const char* nombre : {"/puntos.pnt", "/historial.csv"}) {
        const QByteArray ruta = carpeta + nombre;
        QCOMPARE(::chown(ruta.constData(), kProfesor, kGrupoClase) | ::chmod(ruta.constData(), 0664), 0);
    }
    if (soloLectura) {
        const QByteArray registros = carpeta + "/.tramavox";
        QCOMPARE(::mkdir(registros.constData(), 0775), 0);
        QCOMPARE(::chown(registros.constData(), kProfesor, kGrupoClase) | ::chmod(registros.constData(), 02775), 0);
    }
    QCOMPARE(::chmod(carpeta.constData(), soloLectura ? 0755 : 02775), 0);
}

// The program as the students run it, from where any user may (the build
// folder may lie in one only its owner can enter).
inline QString programaParaTodos(const QString& carpeta,
                                 const QString& original = QCoreApplication::applicationFilePath())
{
    const QString programa = carpeta + "/tramavox-prueba";
    QFile::copy(original, programa);
    ::chmod(QFile::encodeName(programa).constData(), 0755);
    return programa;
}

// One copy of the program, as student S(alumno+1) with a home of their own,
// answering `veces` exercises in `clase`; it prints how many it has given.
inline std::unique_ptr<QProcess> lanzarAlumno(const QString& programa, const QString& clase, const QString& casa,
                                              int alumno, int veces)
{
    const uid_t usuario = kPrimerAlumno + uid_t(alumno);
    QDir().mkpath(casa);
    ::chown(QFile::encodeName(casa).constData(), usuario, kGrupoClase);
    ::chmod(QFile::encodeName(casa).constData(), 0700);
    auto p = std::make_unique<QProcess>();
    p->setWorkingDirectory(clase);
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert("HOME", casa);
    entorno.insert("XDG_RUNTIME_DIR", casa);
    // The projector's screen description lies in the source tree, which a
    // student may not be able to reach (a clone in root's home).
    entorno.insert("QT_QPA_PLATFORM", "offscreen");
    p->setProcessEnvironment(entorno);
    p->setProperty("alumno", "S" + QString::number(alumno + 1));
    p->start("setpriv", {"--reuid", QString::number(usuario), "--regid", QString::number(kGrupoClase), "--clear-groups",
                         programa, "--responder", QString::number(veces), "S" + QString::number(alumno + 1)});
    return p;
}

// Kills `matar` copies at random moments, waits for the others, and says how
// many answers each student's copies said they had given, and how many
// copies of theirs were killed (each may have given one more than it said).
struct FinDeLasCopias {
    QMap<QString, int> dadas;
    QMap<QString, int> muertas;
    QStringList errores;
    int totalMuertas() const
    {
        int n = 0;
        for (int v : muertas) n += v;
        return n;
    }
};

inline FinDeLasCopias esperarCopias(std::vector<std::unique_ptr<QProcess>>& copias, int matar, quint32 semilla,
                                    int veces)
{
    FinDeLasCopias fin;
    QRandomGenerator azar(semilla);
    std::map<QProcess*, QByteArray> dicho;
    const auto dadas = [&dicho](QProcess* p) {
        dicho[p] += p->readAllStandardOutput();
        return dicho[p].count('\n');
    };
    // Each killed copy is killed in the middle of its work: once it has
    // said it gave a number of answers drawn at random.
    for (int k = 0; k < matar; ++k) {
        QProcess* p = copias[size_t(azar.bounded(int(copias.size())))].get();
        const int tras = int(azar.bounded(1, veces));
        if (!QTest::qWaitFor([&] { return p->state() == QProcess::NotRunning || dadas(p) >= tras; }, 120000))
            fin.errores << p->property("alumno").toString() + " gave no answers";
        p->kill();
    }
    for (auto& p : copias) {
        const QString alumno = p->property("alumno").toString();
        if (p->state() != QProcess::NotRunning && !p->waitForFinished(300000)) fin.errores << alumno + " hung";
        dadas(p.get());
        const QList<QByteArray> dichas = dicho[p.get()].trimmed().split('\n');
        fin.dadas[alumno] += dichas.last().toInt();
        if (p->exitStatus() == QProcess::CrashExit)
            ++fin.muertas[alumno];
        else if (p->exitCode() != 0)
            fin.errores << alumno + ": " + QString::fromLocal8Bit(p->readAllStandardError());
    }
    return fin;
}

// Every answer a copy said it gave is counted, once; a killed copy may have
// given one more (recorded, or not yet).
inline QStringList cuentasQueNoCuadran(const FinDeLasCopias& fin, const QMap<QString, int>& contadas)
{
    QStringList r;
    for (auto it = fin.dadas.begin(); it != fin.dadas.end(); ++it) {
        const int antes = it.key() == "S1" ? kAnterioresS1 : 0;
        const int n = contadas.value(it.key()) - antes;
        if (n < it.value() || n > it.value() + fin.muertas.value(it.key()))
            r << QStringLiteral("%1: %2 counted, %3 given, %4 copies killed")
                     .arg(it.key())
                     .arg(n)
                     .arg(it.value())
                     .arg(fin.muertas.value(it.key()));
    }
    return r;
}

struct ClaseTrasLaSesion {
    QMap<QString, int> enPuntos;    // each student's answers in "puntos.pnt"
    QMap<QString, int> enHistorial; // and their lines in "historial.csv"
    QStringList defectos;           // torn lines, files left behind
    int total() const
    {
        int n = 0;
        for (int v : enPuntos) n += v;
        return n;
    }
};

inline ClaseTrasLaSesion claseTrasLaSesion(const QString& carpeta)
{
    ClaseTrasLaSesion r;
    {
        almacen::AlmacenClase almacen(carpeta + "/puntos.pnt");
        if (const QString error = almacen.abrir(); !error.isEmpty()) r.defectos << error;
        almacen.cerrar();
    }
    const almacen::TablaAlumnos tabla = almacen::leerPuntos(leer(carpeta + "/puntos.pnt"));
    for (int i = 0; i < tabla.num_alumnos(); ++i)
        r.enPuntos[almacen::sinRelleno(tabla.nombres[i])] += int(tabla.totales[i].valor());
    // Every line whole: seven fields, the last of them the mode.
    static const QRegularExpression entera("^[^,]+,[^,]+,[^,]+,[0-9A-F]+,[0-9A-F]*,(bien|mal),(leer|dibujar)\r$");
    const QList<QByteArray> lineas = leer(carpeta + "/historial.csv").split('\n');
    if (lineas.value(0) + '\n' != almacen::kCabeceraHistorial) r.defectos << "no header: " + lineas.value(0);
    for (const QByteArray& l : lineas.mid(1, lineas.size() - 2)) {
        if (!entera.match(QString::fromUtf8(l)).hasMatch())
            r.defectos << "torn line: " + QString::fromUtf8(l);
        else
            ++r.enHistorial[QString::fromUtf8(l.split(',').value(1))];
    }
    if (!lineas.last().isEmpty()) r.defectos << "last line without its end";
    // No temporary file of a summary is left behind.
    for (const QString& f : QDir(carpeta).entryList(QDir::Files | QDir::Hidden))
        if (f != "puntos.pnt" && f != "historial.csv") r.defectos << "left behind: " + f;
    return r;
}

// What went wrong in a session, all of it: copies that failed, files left
// torn or behind, summaries that disagree, answers counted twice or lost.
inline QStringList faltasDeLaSesion(const FinDeLasCopias& fin, const ClaseTrasLaSesion& final)
{
    QStringList r = fin.errores + final.defectos;
    if (final.enPuntos != final.enHistorial) r << "puntos.pnt and historial.csv disagree";
    return r + cuentasQueNoCuadran(fin, final.enPuntos);
}
