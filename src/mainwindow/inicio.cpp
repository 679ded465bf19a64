#include "mainwindow/inicio.h"

#include "exercise/Ejerc.h"
#include "forms/Acerca.h"
#include "forms/Ayu.h"
#include "mainwindow/Principal.h"

namespace inicio {

forms::Referencia<Principal>& principal()
{
    static forms::Referencia<Principal> ref;
    return ref;
}

forms::Referencia<::Ejerc>& Ejerc()
{
    static forms::Referencia<::Ejerc> ref;
    return ref;
}

forms::Referencia<Acerca>& acerca()
{
    static forms::Referencia<Acerca> ref;
    return ref;
}

forms::Referencia<Ayu>& ayu()
{
    static forms::Referencia<Ayu> ref;
    return ref;
}

void Main()
{
    principal().mostrar();
}

} // namespace inicio
