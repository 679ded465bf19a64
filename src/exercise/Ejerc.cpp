#include "exercise/Ejerc.h"

#include "exercise/ArchivoPuntos.h"
#include "exercise/Numeros.h"
#include "forms/Avisos.h"
#include "forms/Controls.h"
#include "exercise/EjercForm.h"
#include "forms/KeyPreview.h"
#include "mainwindow/PrincipalForm.h"
#include "forms/Teclado.h"
#include "mainwindow/Aleatorio.h"
#include "mainwindow/Principal.h"

#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

using ejercicio::leerNumero;

namespace {

const QString kPrompt = QStringLiteral("Introduce tu nombre");
const QString kRespuestaInicial = QStringLiteral("0000");
constexpr linecode::Colour kColorCorrecta = dibujo::kAzul;
constexpr linecode::Colour kColorIncorrecta = dibujo::kRojo;

} // namespace

ejercicio::TablaAlumnos& Ejerc::tabla()
{
    static ejercicio::TablaAlumnos t;
    return t;
}

Ejerc::Ejerc(Principal& principal) : Formulario(ejercForm()), principal_(principal)
{
    const auto& c = ctl();
    numero = c.get<QLineEdit>("número");
    total = c.get<QLineEdit>("total");
    bien = c.get<QLineEdit>("bien");
    mal = c.get<QLineEdit>("mal");
    tciento = c.get<QLineEdit>("tciento");
    NoVer = c.get<QLineEdit>("NoVer");
    estadis = c.get<QProgressBar>("estadis");
    alumno = c.get<QComboBox>("alumno");
    bienmal = c.get<QLabel>("bienmal");
    respuesta = c.get<QGroupBox>("respuesta");
    periodo = c.get<forms::Slider>("periodo");
    for (int i = 0; i < kCodigos; ++i) tipo_cod[i] = c.get<QRadioButton>("tipo_cod", i);
    // The focus target lies beneath the statistics frame it overlaps.
    NoVer->lower();
    conectar();
}

void Ejerc::conectar()
{
    const auto& c = ctl();
    connect(c.get<QPushButton>("proponer"), &QPushButton::clicked, this, &Ejerc::proponer_Click);
    connect(c.get<QPushButton>("solu"), &QPushButton::clicked, this, &Ejerc::solu_Click);
    connect(c.get<QPushButton>("aceptar"), &QPushButton::clicked, this, &Ejerc::aceptar_Click);
    connect(c.get<QPushButton>("Reset"), &QPushButton::clicked, this, &Ejerc::Reset_Click);
    connect(periodo, &forms::Slider::scrolled, this, &Ejerc::periodo_Scroll);
    for (int i = 0; i < kCodigos; ++i)
        connect(tipo_cod[i], &QRadioButton::clicked, this, [this, i] { tipo_cod_Click(i); });
    connect(alumno, &QComboBox::activated, this, &Ejerc::alumno_Click);
    // The box itself takes the keys (its edit field only gets them forwarded).
    alumno->installEventFilter(this);
}

bool Ejerc::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != alumno) return Formulario::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(event)->key();
        if (tecla != Qt::Key_Return && tecla != Qt::Key_Enter) return false;
        alumno_KeyDown(forms::kTeclaEnter);
        return true; // handled: the box has nothing more to do with it
    }
    if (event->type() == QEvent::FocusIn) {
        alumno_GotFocus();
    } else if (event->type() == QEvent::FocusOut) {
        // The name is checked when the focus moves on inside the window, not
        // when the window merely loses activation or the list drops down.
        const auto razon = static_cast<QFocusEvent*>(event)->reason();
        if (razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason) alumno_Validate();
        alumno_LostFocus();
    }
    return false;
}

void Ejerc::Form_Load()
{
    periodo->setValue(principal_.valorPeriodo());
    vista_solucion = false;

    auto carga = ejercicio::cargarPuntos(ejercicio::kArchivoPuntos);
    if (!carga.error.isEmpty()) {
        // Saving over a file that could not be read would lose its students.
        guardarAlCerrar = false;
        forms::Avisos::actual().mensaje(
            this,
            QStringLiteral("No se pudo leer «%1»: %2. Las estadísticas de esta sesión no se guardarán.")
                .arg(QDir::current().absoluteFilePath(ejercicio::kArchivoPuntos), carga.error),
            forms::Avisos::Botones::Aceptar, forms::Avisos::Icono::Critico);
    }
    tabla() = std::move(carga.tabla);
    alumno->addItems(tabla().nombres);
    // The box shows its prompt with no student chosen: Qt would have chosen
    // the first one it was given.
    alumno->setCurrentIndex(-1);
    alumno->setEditText(kPrompt);
}

void Ejerc::Form_Unload(int& cancelar)
{
    (void)cancelar;
    if (guardarAlCerrar) {
        const QString error = ejercicio::guardarPuntos(tabla(), ejercicio::kArchivoPuntos);
        if (!error.isEmpty()) {
            forms::Avisos::actual().mensaje(
                this,
                QStringLiteral("No se pudieron guardar las estadísticas en «%1»: %2.")
                    .arg(QDir::current().absoluteFilePath(ejercicio::kArchivoPuntos), error),
                forms::Avisos::Botones::Aceptar, forms::Avisos::Icono::Critico);
        }
    }
    solu_Click();
    principal_.todos_Click();
    principal_.setEnabled(true);
}

void Ejerc::tipo_cod_Click(int index)
{
    principal_.tos(false, true);
    {
        const SinPintar lote;
        int eleccion = index;
        if (eleccion == CodigoAleatorio) eleccion = static_cast<int>(Rnd() * 4.0f);
        // Codes 0 to 3 are NRZ to HDB3, the traces after the clock.
        const auto traza = static_cast<linecode::Traza>(linecode::Nrz + eleccion);
        principal_.marcarTraza(traza, false);
        principal_.alternar(traza);
    }
    principal_.ActPant();
}

bool Ejerc::aleatorioElegido() const
{
    return tipo_cod[CodigoAleatorio]->isChecked();
}

void Ejerc::proponer_Click()
{
    bienmal->setText(QString());
    numero->setText(kRespuestaInicial);
    vista_solucion = false;
    respuesta->setVisible(true);
    principal_.ejer();
}

void Ejerc::Form_KeyPress(int codigo)
{
    // The answer takes digits as the main window's number does; nothing is drawn.
    forms::teclearDigito(numero, codigo);
}

void Ejerc::solu_Click()
{
    principal_.ponerAlturaPersiana(kPersianaAbierta);
    vista_solucion = true;
}

void Ejerc::aceptar_Click()
{
    const int indiceAlumno = alumno->currentIndex();
    if (indiceAlumno < 0) {
        forms::Avisos::actual().mensaje(this, QStringLiteral("Has de introducir un alumno o elegir uno de la lista"),
                                        forms::Avisos::Botones::Aceptar, forms::Avisos::Icono::Critico);
        return;
    }
    int respuestas = 1, aciertos = 0, errores = 0;
    QPalette paleta = bienmal->palette();
    if (principal_.numeroActual() == numero->text()) {
        bienmal->setText(QStringLiteral("La respuesta es correcta"));
        paleta.setColor(QPalette::WindowText, dibujo::qColor(kColorCorrecta));
        aciertos = 1;
    } else {
        bienmal->setText(QStringLiteral("La respuesta es incorrecta"));
        paleta.setColor(QPalette::WindowText, dibujo::qColor(kColorIncorrecta));
        errores = 1;
    }
    bienmal->setPalette(paleta);
    if (vista_solucion) {
        // Cheating keeps the colour of the verdict it would have had.
        bienmal->setText(QStringLiteral("Trampa, trampa, miraste la solución"));
        respuestas = aciertos = errores = 0;
    }
    respuesta->setVisible(false);
    ponerCuentas(ejercicio::textoEntero(leerNumero(total->text()) + respuestas),
                 ejercicio::textoEntero(leerNumero(bien->text()) + aciertos),
                 ejercicio::textoEntero(leerNumero(mal->text()) + errores));
    mostrarPorcentaje();
    tabla().totales[indiceAlumno] = total->text();
    tabla().aciertos[indiceAlumno] = bien->text();
    solu_Click();
}

void Ejerc::ponerCuentas(const QString& t, const QString& b, const QString& m)
{
    total->setText(t);
    bien->setText(b);
    mal->setText(m);
}

void Ejerc::mostrarPorcentaje()
{
    const double t = leerNumero(total->text());
    tciento->setText(t > 0 ? ejercicio::textoPorcentaje(ejercicio::porcentaje(leerNumero(bien->text()), t))
                           : QStringLiteral("0"));
    // A hand-edited file can claim more right answers than answers.
    estadis->setValue(qBound(0, qRound(leerNumero(tciento->text())), 100));
}

void Ejerc::periodo_Scroll()
{
    principal_.ponerValorPeriodo(periodo->value());
    principal_.periodo_Scroll();
}

void Ejerc::Reset_Click()
{
    const auto r = forms::Avisos::actual().mensaje(
        this, QStringLiteral("Esta acción borrará tus estadísticas. ¿Deseas continuar?"),
        forms::Avisos::Botones::SiNo, forms::Avisos::Icono::Ninguno);
    if (r != forms::Avisos::Respuesta::Si) return;
    ponerCuentas(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
    tciento->setText(QStringLiteral("0"));
    estadis->setValue(0);
    if (const int indiceAlumno = alumno->currentIndex(); indiceAlumno >= 0) {
        tabla().totales[indiceAlumno] = total->text();
        tabla().aciertos[indiceAlumno] = bien->text();
    }
}

void Ejerc::alumno_Click()
{
    NoVer->setFocus();
    alumno_Validate();
}

void Ejerc::alumno_GotFocus()
{
    vistaPrevia()->setEnabled(false);
}

void Ejerc::alumno_LostFocus()
{
    vistaPrevia()->setEnabled(true);
}

void Ejerc::alumno_KeyDown(int tecla)
{
    if (tecla == forms::kTeclaEnter) alumno_Validate();
}

void Ejerc::seleccionarAlumno(int indice)
{
    // Selecting from the program raises the click at once.
    alumno->setCurrentIndex(indice);
    alumno_Click();
}

void Ejerc::alumno_Validate()
{
    const int i = alumno->currentIndex();
    if (i < 0) {
        const QString texto = alumno->currentText();
        if (texto == kPrompt) return;
        const int n = tabla().agregar(texto);
        alumno->addItem(tabla().nombres[n]);
        seleccionarAlumno(n);
        ponerCuentas(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
        estadis->setValue(0);
        tciento->setText(QStringLiteral("0"));
        return;
    }
    total->setText(tabla().totales[i]);
    mal->setText(ejercicio::textoEntero(leerNumero(total->text()) - leerNumero(tabla().aciertos[i])));
    bien->setText(tabla().aciertos[i]);
    mostrarPorcentaje();
}
