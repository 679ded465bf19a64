// SPDX-License-Identifier: GPL-3.0-or-later
// A class on a real school server: the class's folder served by an OpenSSH
// server on this machine, reached through two sshfs mounts as two desks
// would. Six copies of the program, split over the two mounts, answer at
// once while some are killed; afterwards every answer given is counted
// once. Needs root (FUSE mounts, students as users), /dev/fuse, sshd and
// sshfs: where one is missing the test says so and is skipped.

#include "ClaseCompartida.h"
#include "Filas.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

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

// An OpenSSH server on 127.0.0.1 with a key of its own, serving SFTP only,
// on a port of its own; stopped when it goes.
class ServidorSftp {
public:
    explicit ServidorSftp(const QString& carpeta) : carpeta_(carpeta)
    {
        const QString clave = carpeta + "/clave", delServidor = carpeta + "/servidor_clave";
        error_ = ejecutar("ssh-keygen", {"-q", "-t", "ed25519", "-N", "", "-f", clave});
        if (error_.isEmpty()) error_ = ejecutar("ssh-keygen", {"-q", "-t", "ed25519", "-N", "", "-f", delServidor});
        if (!error_.isEmpty()) return;
        QFile::copy(clave + ".pub", carpeta + "/autorizadas");
        puerto_ = 20000 + int(::getpid() % 20000);
        QFile config(carpeta + "/sshd_config");
        config.open(QIODevice::WriteOnly);
        config.write(QStringLiteral("ListenAddress 127.0.0.1\nPort %1\nHostKey %2\nAuthorizedKeysFile %3\n"
                                    "PermitRootLogin prohibit-password\nPasswordAuthentication no\nUsePAM no\n"
                                    "StrictModes no\nSubsystem sftp internal-sftp\nPidFile %4\n")
                         .arg(puerto_)
                         .arg(delServidor, carpeta + "/autorizadas", carpeta + "/sshd.pid")
                         .toUtf8());
        config.close();
        QDir().mkpath("/run/sshd"); // sshd's privilege separation wants it
        sshd_.setProcessChannelMode(QProcess::MergedChannels);
        sshd_.start("/usr/sbin/sshd", {"-D", "-e", "-f", config.fileName()});
        if (!sshd_.waitForStarted()) error_ = "sshd did not start";
        QTest::qWait(500);
        if (sshd_.state() != QProcess::Running) error_ = "sshd: " + QString::fromLocal8Bit(sshd_.readAll());
    }
    ~ServidorSftp()
    {
        for (const QString& m : montajes_) ejecutar("fusermount3", {"-u", "-z", m});
        sshd_.terminate();
        sshd_.waitForFinished();
    }
    const QString& error() const { return error_; }

    // The server's `remota` mounted at `local`, as one desk mounts it.
    QString montar(const QString& remota, const QString& local)
    {
        QDir().mkpath(local);
        const QString e = ejecutar("sshfs", {"root@127.0.0.1:" + remota, local, "-p", QString::number(puerto_), "-o",
                                             "IdentityFile=" + carpeta_ +
                                                 "/clave,StrictHostKeyChecking=no,UserKnownHostsFile=/dev/null,"
                                                 "allow_other,reconnect"});
        if (e.isEmpty()) montajes_ << local;
        return e;
    }

private:
    QString carpeta_;
    QProcess sshd_;
    int puerto_ = 0;
    QString error_;
    QStringList montajes_;
};

} // namespace

class TestServidores : public QObject {
    Q_OBJECT
private slots:
    void claseEnUnServidorSftp();
};

// Copies 1, 3, 5 through one mount and 2, 4, 6 through another of the same
// server folder; three of them are killed at random moments.
void TestServidores::claseEnUnServidorSftp()
{
    if (::geteuid() != 0) QSKIP("FUSE mounts and students of one group need root");
    if (::access("/dev/fuse", R_OK | W_OK) != 0) QSKIP("no /dev/fuse here: FUSE mounts cannot be made");
    for (const char* p : {"sshfs", "ssh-keygen", "fusermount3"})
        if (QStandardPaths::findExecutable(p).isEmpty()) QSKIP(qPrintable(QString(p) + " is not installed"));
    if (!QFileInfo::exists("/usr/sbin/sshd")) QSKIP("the OpenSSH server is not installed");
    QTemporaryDir dir;
    QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    ServidorSftp servidor(dir.path());
    QVERIFY2(servidor.error().isEmpty(), qPrintable(servidor.error()));
    const QString clase = dir.filePath("servidor/clase");
    QVERIFY(QDir().mkpath(clase));
    prepararCarpetaDeClase(clase, false);
    const QStringList desks{dir.filePath("puesto1"), dir.filePath("puesto2")};
    for (const QString& d : desks) {
        const QString e = servidor.montar(clase, d);
        QVERIFY2(e.isEmpty(), qPrintable(e));
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
    qInfo("%d answers counted through two sshfs mounts, %d copies killed", final.total(), fin.totalMuertas());
}

QTEST_GUILESS_MAIN(TestServidores)
#include "tst_servidores.moc"
