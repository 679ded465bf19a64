// SPDX-License-Identifier: GPL-3.0-or-later
// A class on a real school server: the class's folder served on this
// machine by an OpenSSH server or by Samba, reached through two mounts
// (sshfs, smbnetfs) as two desks would. Six copies of the program, split over the two mounts, answer at
// once while some are killed; afterwards every answer given is counted
// once. Needs root (FUSE mounts, students as users), /dev/fuse and the
// servers and clients: where one is missing the test says so and is skipped.

#include "ClaseCompartida.h"
#include "Filas.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Runs a command to its end; its output when it fails.
QString ejecutar(const QString& programa, const QStringList& argumentos, int esperaMs = 60000)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programa, argumentos);
    if (!p.waitForFinished(esperaMs)) {
        p.kill();
        p.waitForFinished();
        return programa + " did not end";
    }
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0
               ? QString()
               : programa + ": " + QString::fromLocal8Bit(p.readAll());
}

// A school's file server on 127.0.0.1, started by the test and stopped when
// it goes, with the desks' mounts of it.
class Servidor {
public:
    virtual ~Servidor()
    {
        for (const QString& m : montajes_) ejecutar("fusermount3", {"-u", "-z", m});
        proceso_.terminate();
        proceso_.waitForFinished();
    }
    const QString& error() const { return error_; }
    // The class's folder mounted at `local`, as one desk mounts it; the
    // folder as that desk sees it, or an empty text (and error()) if not.
    virtual QString montar(const QString& local) = 0;

protected:
    // Starts the server's program; whether it is still running a moment later.
    void arrancar(const QString& programa, const QStringList& argumentos)
    {
        proceso_.setProcessChannelMode(QProcess::MergedChannels);
        proceso_.start(programa, argumentos);
        if (!proceso_.waitForStarted()) error_ = programa + " did not start";
        QTest::qWait(1000);
        if (proceso_.state() != QProcess::Running)
            error_ = programa + ": " + QString::fromLocal8Bit(proceso_.readAll());
    }
    QString montado(const QString& local, const QString& error, const QString& vista)
    {
        error_ = error;
        if (!error.isEmpty()) return {};
        montajes_ << local;
        return vista;
    }
    QString error_;

private:
    QProcess proceso_;
    QStringList montajes_;
};

// An OpenSSH server with a key of its own, serving SFTP only, on a port of
// its own; each desk mounts it with sshfs.
class ServidorSftp : public Servidor {
public:
    ServidorSftp(const QString& carpeta, const QString& clase) : carpeta_(carpeta), clase_(clase)
    {
        const QString clave = carpeta + "/clave", delServidor = carpeta + "/servidor_clave";
        error_ = ejecutar("ssh-keygen", {"-q", "-t", "ed25519", "-N", "", "-f", clave});
        if (error_.isEmpty()) error_ = ejecutar("ssh-keygen", {"-q", "-t", "ed25519", "-N", "", "-f", delServidor});
        if (!error_.isEmpty()) return;
        QFile::copy(clave + ".pub", carpeta + "/autorizadas");
        puerto_ = 20000 + int(::getpid() % 20000);
        escribir(carpeta + "/sshd_config",
                 QStringLiteral("ListenAddress 127.0.0.1\nPort %1\nHostKey %2\nAuthorizedKeysFile %3\n"
                                "PermitRootLogin prohibit-password\nPasswordAuthentication no\nUsePAM no\n"
                                "StrictModes no\nSubsystem sftp internal-sftp\nPidFile %4\n")
                     .arg(puerto_)
                     .arg(delServidor, carpeta + "/autorizadas", carpeta + "/sshd.pid")
                     .toUtf8());
        QDir().mkpath("/run/sshd"); // sshd's privilege separation wants it
        arrancar("/usr/sbin/sshd", {"-D", "-e", "-f", carpeta + "/sshd_config"});
    }
    QString montar(const QString& local) override
    {
        QDir().mkpath(local);
        const QString opciones = "IdentityFile=" + carpeta_ +
                                 "/clave,StrictHostKeyChecking=no,UserKnownHostsFile=/dev/null,allow_other,reconnect";
        return montado(
            local,
            ejecutar("sshfs", {"root@127.0.0.1:" + clase_, local, "-p", QString::number(puerto_), "-o", opciones}),
            local);
    }

private:
    QString carpeta_, clase_;
    int puerto_ = 0;
};

// A Samba server sharing the class's folder as "clase" to guests, on SMB's
// own port (the desks' client, smbnetfs, reaches no other); each desk
// mounts the network with smbnetfs, a client of its own with its own
// settings, and finds the share under the server's address.
class ServidorSmb : public Servidor {
public:
    ServidorSmb(const QString& carpeta, const QString& clase) : carpeta_(carpeta)
    {
        QString global = "[global]\nserver role = standalone server\ninterfaces = 127.0.0.1\n"
                         "bind interfaces only = yes\nsmb ports = 445\ndisable netbios = yes\n"
                         "map to guest = Bad User\nguest account = root\nload printers = no\n"
                         "printcap name = /dev/null\ndisable spoolss = yes\n";
        // Samba's own files in the test's folder, never in the machine's.
        for (const char* d : {"private dir", "lock directory", "state directory", "cache directory", "pid directory"}) {
            const QString carpetaSamba = carpeta + "/samba/" + QString(d).section(' ', 0, 0);
            QDir().mkpath(carpetaSamba);
            global += QStringLiteral("%1 = %2\n").arg(d, carpetaSamba);
        }
        global += "log file = " + carpeta + "/samba/smbd.log\n";
        escribir(carpeta + "/smb.conf", (global + "[clase]\npath = " + clase +
                                         "\nread only = no\nguest ok = yes\nguest only = yes\nforce user = root\n")
                                            .toUtf8());
        arrancar("/usr/sbin/smbd", {"--foreground", "--debug-stdout", "-s", carpeta + "/smb.conf"});
    }
    QString montar(const QString& local) override
    {
        // smbnetfs reads its settings, and Samba's client settings, from ~/.smb.
        const QString casa = local + "-cliente";
        QDir().mkpath(casa + "/.smb");
        QDir().mkpath(local);
        QFile::copy(carpeta_ + "/smb.conf", casa + "/.smb/smb.conf");
        escribir(casa + "/.smb/smbnetfs.conf", "smb_query_browsers false\n");
        QProcess p;
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert("HOME", casa);
        p.setProcessEnvironment(entorno);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start("smbnetfs", {local, "-o", "allow_other"});
        const bool bien = p.waitForFinished(30000) && p.exitCode() == 0;
        return montado(local, bien ? QString() : "smbnetfs: " + QString::fromLocal8Bit(p.readAll()),
                       local + "/127.0.0.1/clase");
    }

private:
    QString carpeta_;
};

bool algoEscuchaEn(int puerto)
{
    const int s = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in direccion = {};
    direccion.sin_family = AF_INET;
    direccion.sin_port = htons(uint16_t(puerto));
    direccion.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool escucha = ::connect(s, reinterpret_cast<const sockaddr*>(&direccion), sizeof direccion) == 0;
    ::close(s);
    return escucha;
}

// What a kind of server needs on this machine, or why it cannot be had.
QString faltaParaElServidor(const QString& tipo)
{
    const QStringList programas = tipo == "sftp" ? QStringList{"/usr/sbin/sshd", "sshfs", "ssh-keygen", "fusermount3"}
                                                 : QStringList{"/usr/sbin/smbd", "smbnetfs", "fusermount3"};
    for (const QString& p : programas)
        if (QStandardPaths::findExecutable(p).isEmpty() && !QFileInfo(p).isExecutable()) return p + " is not installed";
    if (tipo == "smb") {
        if (algoEscuchaEn(445)) return "another server already answers on 127.0.0.1:445";
    }
    return {};
}

} // namespace

class TestServidores : public QObject {
    Q_OBJECT
private slots:
    void claseEnUnServidor_data();
    void claseEnUnServidor();
};

void TestServidores::claseEnUnServidor_data()
{
    QTest::addColumn<QString>("tipo");
    fila("SFTP, two sshfs mounts", "sftp");
    fila("SMB, two smbnetfs mounts", "smb");
}

// Copies 1, 3, 5 through one mount and 2, 4, 6 through another of the same
// server folder; three of them are killed at random moments.
void TestServidores::claseEnUnServidor()
{
    QFETCH(QString, tipo);
    if (::geteuid() != 0) QSKIP("FUSE mounts and students of one group need root");
    if (::access("/dev/fuse", R_OK | W_OK) != 0) QSKIP("no /dev/fuse here: FUSE mounts cannot be made");
    if (const QString falta = faltaParaElServidor(tipo); !falta.isEmpty()) QSKIP(qPrintable(falta));
    QTemporaryDir dir;
    QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const QString clase = dir.filePath("servidor/clase");
    QVERIFY(QDir().mkpath(clase));
    prepararCarpetaDeClase(clase, false);
    std::unique_ptr<Servidor> servidor;
    if (tipo == "sftp")
        servidor = std::make_unique<ServidorSftp>(dir.path(), clase);
    else
        servidor = std::make_unique<ServidorSmb>(dir.path(), clase);
    QVERIFY2(servidor->error().isEmpty(), qPrintable(servidor->error()));
    QStringList desks;
    for (const QString& d : {dir.filePath("puesto1"), dir.filePath("puesto2")}) {
        desks << servidor->montar(d);
        QVERIFY2(servidor->error().isEmpty(), qPrintable(servidor->error()));
    }
    constexpr int kAlumnos = 6, kRespuestas = 30;
    const QString programa = programaParaTodos(dir.path(), TRAMAVOX_ALUMNO);
    std::vector<std::unique_ptr<QProcess>> copias;
    for (int i = 0; i < kAlumnos; ++i)
        copias.push_back(
            lanzarAlumno(programa, desks[i % 2], dir.filePath("casa" + QString::number(i)), i, kRespuestas));
    const FinDeLasCopias fin = esperarCopias(copias, 3, 20261208, kRespuestas);
    // The teacher, on the server, opens the class once more.
    const ClaseTrasLaSesion final = claseTrasLaSesion(clase);
    const QStringList faltas = faltasDeLaSesion(fin, final);
    QVERIFY2(faltas.isEmpty(), qPrintable(faltas.join('\n')));
    qInfo("%d answers counted through two mounts, %d copies killed", final.total(), fin.totalMuertas());
}

QTEST_GUILESS_MAIN(TestServidores)
#include "tst_servidores.moc"
