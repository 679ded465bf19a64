#include "forms/Teclado.h"

#include "forms/Avisos.h"

#include <QLineEdit>

namespace forms {

bool teclearDigito(QLineEdit* caja, int k)
{
    QChar digito;
    if (k > 47 && k < 58) digito = QChar(k);       // 0 to 9
    else if (k > 96 && k < 103) digito = QChar(k - 32); // a to f, as capitals
    else if (k > 64 && k < 71) digito = QChar(k);  // A to F
    else {
        Avisos::actual().beep();
        return false;
    }
    caja->setText(caja->text().right(3) + digito);
    return true;
}

} // namespace forms
