#include "mainwindow/inicio.h"

#include "mainwindow/Principal.h"

namespace inicio {

forms::Referencia<Principal>& principal()
{
    static forms::Referencia<Principal> ref;
    return ref;
}

void Main()
{
    principal().mostrar();
}

} // namespace inicio
