<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu" sourcelanguage="es">
<context>
    <name>Ejerc</name>
    <message>
        <source>Ejercicios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estadísticas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barra de aciertos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El porcentaje de aciertos del alumno elegido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detalles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abre la vista de toda la clase para el profesor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borra las estadísticas del alumno elegido, tras confirmarlo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porcentaje de aciertos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estadística del alumno elegido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total de respuestas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Introduce tu nombre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alumno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escribe tu nombre y pulsa Intro, o elige uno de la lista</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alumno:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Respuesta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escribe las cifras hexadecimales del número que lees en el dibujo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comprueba la respuesta y la cuenta para el alumno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Código a  ejercitar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NRZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Código que se dibuja en los ejercicios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HDB3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aleatorio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proponer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Propone un ejercicio nuevo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solución</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muestra el número; la respuesta ya no cuenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periodo </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periodo de bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ancho de un bit en el dibujo de la ventana principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teclado de la respuesta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tras elegir alumno, las cifras tecleadas van a la respuesta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La respuesta es incorrecta</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>acerca</name>
    <message>
        <source>Acerca de Tramavox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imagen y ciclo formativo del programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imagen del aula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alumnos en los bancos de un laboratorio de telefonía</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Ciclo Formativo de Grado Superior   Sistemas de Telecomunicación e Informáticos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descripción del programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Para qué y para quién se hizo el programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programa y dibujos: equipo Tramavox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cierra esta ventana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sistemas de Telefonía</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progama de ejercicio de los códigos <byte value="xd"/>
de datos serie usados en telefonía desarrollado para el módulo <byte value="xd"/>
de inciación profesional &quot;Sistemas <byte value="xd"/>
de Telefonía&quot;, perteneciente al <byte value="xd"/>
ciclo formativo de grado superior <byte value="xd"/>
&quot;Sistemas de Telecomunicación e <byte value="xd"/>
Informáticos&quot;.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ayu</name>
    <message>
        <source>Ayuda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RichTextBox1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texto de ayuda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cómo se usa el programa y la teoría de los códigos de línea</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ayuda::VentanaAcerca</name>
    <message>
        <source>Dibujo de Tramavox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Las señales de reloj, NRZ, RZ, AMI y HDB3 de un número, como las dibuja el programa</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ayuda::VentanaAyuda</name>
    <message>
        <source>No se pudo leer «%1»: %2. Se muestra la ayuda que lleva el programa.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>codigos</name>
    <message>
        <source>ocho ceros → 000VB0VB: V repite el signo del último pulso y B lo invierte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cuatro ceros tras un número par de marcas desde la última V → B00V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cuatro ceros tras un número impar de marcas desde la última V → 000V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falta dibujar este medio bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aquí va %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falta la transición a mitad de bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la marca debe alternar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el pulso dura medio bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aquí no hay pulso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aquí va un pulso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aquí va el nivel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NRZ unipolar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NRZ unipolar: un 1 es nivel alto todo el bit; un 0, nivel cero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NRZ polar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NRZ polar: un 1 es +1 todo el bit; un 0, −1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NRZI: cada 1 cambia el nivel al empezar el bit; un 0 lo mantiene.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RZ unipolar: un 1 es un pulso en la primera mitad del bit; un 0, nivel cero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMI (ANSI T1.102): cada 1 es un pulso de medio bit de signo contrario al anterior; un 0, cero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pseudoternario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pseudoternario (UIT-T I.430): cada 0 es un pulso de bit entero, de signo contrario al anterior; un 1, cero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HDB3 (UIT-T G.703): AMI en que cuatro ceros son 000V tras un número impar de marcas desde la última V, o B00V tras un número par.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B8ZS (ANSI T1.102): AMI en que ocho ceros son 000VB0VB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CMI (UIT-T G.703): un 1 ocupa el bit entero, alto y bajo por turnos; un 0 es bajo y luego alto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manchester (IEEE 802.3): un 1 sube a mitad de bit; un 0 baja (al revés que el convenio de G. E. Thomas).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manchester diferencial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manchester diferencial: siempre hay transición a mitad de bit, y además al empezar cada 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2B1Q (ANSI T1.601): dos bits por símbolo, el primero el signo y el segundo la magnitud: 10 +3, 11 +1, 01 −1, 00 −3; un último bit sin pareja va con un 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MLT-3: cada 1 avanza un paso por 0, +1, 0, −1; un 0 mantiene el nivel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solo se admiten los bits 0 y 1; los espacios se ignoran.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solo se admiten las cifras hexadecimales 0-9 y A-F; los espacios se ignoran.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solo se admiten caracteres de un byte (Latin-1): cada uno da sus 8 bits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Como mucho %1 bits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>violación bipolar no esperada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>violación que no cuadra con la paridad inicial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>violación con la polaridad de la anterior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cuatro ceros seguidos, imposibles en HDB3,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ocho ceros seguidos, imposibles en B8ZS,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>violación de la alternancia CMI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>símbolo CMI no válido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 en el bit %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>las marcas no alternan: cada una lleva el signo contrario de la anterior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>se empezó con el signo contrario: mira el último pulso antes del primer bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>se partió del nivel contrario: mira el nivel antes del primer bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unos y ceros al revés: el 1 es el nivel alto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>así es NRZ polar: en unipolar el 0 no tiene tensión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>así es RZ: en NRZ el nivel dura todo el bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unos y ceros al revés: el 1 es positivo y el 0 negativo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>así es NRZ unipolar: en polar el 0 es negativo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>así es NRZI: en NRZ polar el nivel dice el bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el cambio va en los ceros: en NRZI cada 1 cambia el nivel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>así es NRZ polar: en NRZI el bit no lo dice el nivel, sino el cambio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>así es NRZ unipolar: en RZ el pulso vuelve a cero a mitad de bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unos y ceros al revés: el pulso es el 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el pulso va en la primera mitad del bit, no en la segunda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>así es pseudoternario: en AMI los pulsos son los unos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el pulso dura todo el bit: en AMI dura medio bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>así es AMI: en pseudoternario los pulsos son los ceros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sin sustituciones: así queda en AMI, y en HDB3 cada cuatro ceros seguidos se sustituyen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>se eligió mal entre 000V y B00V: cuenta las marcas desde la última V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la V lleva la polaridad contraria: repite la del pulso anterior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sin sustituciones: así queda en AMI, y en B8ZS cada ocho ceros seguidos se sustituyen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el patrón 000VB0VB va desplazado: empieza en el primero de los ocho ceros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la B no alterna: lleva el signo contrario del pulso anterior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el 0 va al revés: en CMI es bajo en la primera mitad y alto en la segunda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>los unos no alternan: cada 1 lleva el nivel contrario del 1 anterior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>las transiciones van al revés: es el convenio de G. E. Thomas, no el de IEEE 802.3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>así es NRZ polar: falta la transición a mitad de bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>así es Manchester diferencial: en Manchester el sentido de la transición dice el bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el cambio al principio del bit va en los unos: en el diferencial lo lleva cada 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>así es Manchester: en el diferencial el bit lo dice si hay cambio al principio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>signo y magnitud cambiados: el primer bit de cada par da el signo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>las magnitudes al revés: un 1 en el segundo bit es ±1 y un 0 es ±3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el signo al revés: un 1 en el primer bit es positivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cada 1 cambia de signo sin pasar por cero: MLT-3 recorre 0, +1, 0, −1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cambian los ceros: en MLT-3 solo cada 1 avanza un paso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>se partió de otro nivel: mira el nivel antes del primer bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>último pulso positivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>último pulso negativo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, un número impar de marcas desde la última V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, un número par de marcas desde la última V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nivel inicial alto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nivel inicial bajo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nivel inicial %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nivel inicial cero, tras un pulso positivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nivel inicial cero, tras un pulso negativo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>detalles</name>
    <message>
        <source>Detalles de la clase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estadísticas de la clase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total, aciertos, errores y porcentaje de cada alumno; pulsa una cabecera para ordenar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Respuestas por código</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aciertos y errores de cada alumno en NRZ, RZ, AMI y HDB3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guarda la tabla para una hoja de cálculo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informe PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informe PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guarda un informe de la clase para imprimir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrar alumno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borra de las estadísticas el alumno elegido en la tabla</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dibujo</name>
    <message>
        <source>Sistemas de
Telefonía</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ejercicio</name>
    <message>
        <source>las cuentas no son dos números enteros positivos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tiene más aciertos (%1) que respuestas (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>está en blanco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tiene caracteres nulos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no tiene nombre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el nombre pasa de %1 caracteres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>línea %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» estaba escrito en UTF-8; se ha leído así y se guardará en Windows-1252, como lo escribe el programa.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y %1 más</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estas líneas de «%1» no son de ningún alumno y se dejan como están: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se pudo leer «%1»: %2. Las estadísticas de esta sesión no se guardarán.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reintentar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar una copia…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerrar sin guardar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seguir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Las estadísticas se guardaron en «%1», pero las respuestas no se pudieron anotar en «%2»: %3. Se anotarán la próxima vez que se guarde.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se pudieron guardar las estadísticas en «%1»: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar una copia de las estadísticas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estadísticas (*.pnt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se pudo guardar la copia en «%1»: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Una cuenta de «%1» ha llegado al máximo que se puede guardar (%2) y no crecerá más.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (dibujo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estadísticas de la clase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Página %1 de %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Respuestas de cada alumno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alumno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gráfico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Respuestas por código: aún no hay ninguna anotada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Respuestas por código desde el %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 mal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» ya no está en el fichero: otra copia del programa lo ha borrado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El nombre no puede pasar de %1 caracteres.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El nombre no puede llevar «%1»: el fichero de notas no puede guardarlo.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ejercicio::EleccionAlumno</name>
    <message>
        <source>Introduce tu nombre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ya hay un alumno «%1». ¿Eres tú?
Responde No solo si eres otro alumno con un nombre parecido.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ejercicio::ModeloClase</name>
    <message>
        <source>Alumno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gráfico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 mal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ejercicio::VentanaEjercicios</name>
    <message>
        <source>Trampa, trampa, miraste la solución</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La respuesta es correcta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La respuesta es incorrecta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Has de introducir un alumno o elegir uno de la lista</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esta acción borrará tus estadísticas. ¿Deseas continuar?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ejercicio::VistaClase</name>
    <message>
        <source>No se pudo guardar %1 en «%2»: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Respuestas por código: aún no hay ninguna anotada.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Respuestas por código desde el %1, la primera anotada en el historial:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se pudo leer «%1»: %2. No se muestran las respuestas por código.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar la clase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hoja de cálculo CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la tabla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informe de la clase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el informe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elige en la tabla el alumno que quieres borrar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¿Borrar a «%1» y sus estadísticas? Sus respuestas quedan en el historial.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se pudo borrar a «%1» de «%2»: %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>entrenador</name>
    <message>
        <source>Entrenador de códigos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alumno:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alumno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elige tu nombre de la lista o escribe uno nuevo y pulsa Intro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer la señal|Dibujar la señal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer los bits de una señal dibujada, o dibujar la señal de unos bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Códigos que se preguntan:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Códigos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marca los códigos que pueden salir en los ejercicios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 bits|12 bits|16 bits|24 bits|32 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits de cada ejercicio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar preguntas para Moodle…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar preguntas para Moodle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escribe un banco de preguntas de los códigos marcados para importarlo en Moodle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo que se pide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qué hay que hacer en este ejercicio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estado inicial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cómo estaba la línea antes del primer bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dibujo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La señal que se lee, o donde se dibuja: las flechas mueven el cursor y cambian el nivel, y un clic cambia el nivel de medio bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Respuesta:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Respuesta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Los bits leídos, o sus cifras hexadecimales; los espacios no cuentan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuevo ejercicio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comprobar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corrige la respuesta y la cuenta para el alumno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solución</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muestra la solución; la respuesta ya no cuenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veredicto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si la respuesta es correcta y, si no, dónde y por qué</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>entrenador::DibujoEntrenador</name>
    <message>
        <source>Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reloj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Señal %1 de %2 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Bit %1, %2 mitad: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sin dibujar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>entrenador::Entrenamiento</name>
    <message>
        <source>Escribe los %1 bits, o sus %2 cifras hexadecimales.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trampa, trampa, miraste la solución</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correcto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrecto: %1 de %2 bits mal leídos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrecto en el bit %1, primera mitad: %2. Medios bits mal: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrecto en el bit %1, segunda mitad: %2. Medios bits mal: %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>entrenador::VentanaEntrenador</name>
    <message>
        <source>Lee la señal %1 de %2 bits y escribe sus bits o su valor hexadecimal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dibuja la señal %1 de %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La señal no depende de cómo estaba la línea antes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antes del primer bit: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solución: %1 (%2 en hexadecimal).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solución: la línea gris.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Has de introducir un alumno o elegir uno de la lista</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar preguntas para Moodle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moodle XML (*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se pudieron exportar las preguntas a «%1»: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>formatos</name>
    <message>
        <source>no es un fichero normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el fichero es demasiado grande (más de %1 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no se pudo preparar el contenido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>otra copia del programa lo cambia sin parar; inténtelo de nuevo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>otra copia del programa (proceso %1 del usuario «%2») lo está guardando; inténtelo de nuevo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>otra copia del programa, de otro usuario o en otro equipo, lo está guardando; inténtelo de nuevo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no queda espacio en el disco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>se ha agotado la cuota de disco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permiso denegado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el disco es de solo lectura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la carpeta no existe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>una parte de la ruta no es una carpeta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>es una carpeta, no un fichero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el fichero sería demasiado grande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el nombre es demasiado largo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error de lectura o escritura en el disco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>es un enlace simbólico, y por seguridad no se sigue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la carpeta no admite cerrojos, y sin ellos otra copia podría borrar lo guardado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error del sistema número %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>más de %L1 caracteres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[La ayuda se muestra hasta aquí: el documento pasa de lo que esta ventana puede mostrar (%1).]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>más de %L1 párrafos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>una tabla de más de %L1 celdas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>más de %L1 celdas de tabla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>imágenes de más de %L1 megapíxeles en total</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>formularios</name>
    <message>
        <source>Sí</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lab</name>
    <message>
        <source>Laboratorio de códigos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrada:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits|Hexadecimal|Texto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forma de la entrada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si la entrada se escribe en bits, en cifras hexadecimales o como texto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De 1 a 4096 bits que se codifican; los espacios se ignoran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pista</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cuántos bits hay, o por qué se rechazó un carácter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Códigos:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Códigos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marca los códigos que se dibujan; el elegido es el de la tabla de pasos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estado inicial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Último pulso negativo|Último pulso positivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Último pulso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signo del último pulso antes del primer bit (AMI, pseudoternario, HDB3, B8ZS, CMI)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nivel inicial bajo|Nivel inicial cero (MLT-3)|Nivel inicial alto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nivel inicial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nivel de la línea antes del primer bit (NRZI, Manchester diferencial, MLT-3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paridad HDB3 par|Paridad HDB3 impar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paridad HDB3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paridad de las marcas desde la última violación, para HDB3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Señales de línea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El reloj y cada código elegido; pulsa medio bit para meter un error de línea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decodificado:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decodificado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Los bits que el receptor lee en la línea del código elegido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decodificado como la entrada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo que el receptor lee, en hexadecimal o como texto si así se escribió la entrada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Los bits que un error de línea ha cambiado y cada violación que lo delata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convenio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cómo codifica el código elegido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cada bit del código elegido: símbolo, nivel en cada mitad y motivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escala lineal|Escala en dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escala del espectro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lineal, ajustada a la curva más alta, o en decibelios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espectro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Densidad espectral de potencia de los códigos elegidos, de 0 a dos veces la velocidad binaria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Línea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cable:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pérdida del cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pérdida del cable a la mitad de la velocidad binaria, de 0 a 40 dB; crece con la raíz de la frecuencia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transformador:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sin transformador|Corte al 0,1 % de la velocidad binaria|Corte al 1 % de la velocidad binaria|Corte al 5 % de la velocidad binaria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transformador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acoplamiento por transformador: un paso alto de primer orden, o ninguno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ruido:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sin ruido|Eb/N0 = 20 dB|Eb/N0 = 15 dB|Eb/N0 = 12 dB|Eb/N0 = 10 dB|Eb/N0 = 8 dB|Eb/N0 = 6 dB|Eb/N0 = 4 dB|Eb/N0 = 2 dB|Eb/N0 = 0 dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ruido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ruido blanco gaussiano, como energía por bit frente a densidad de ruido, o ninguno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dibujar lo que llega al receptor y lo que decide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Señal recibida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bajo cada código, la señal que llega tras la ganancia del receptor, sus umbrales y los bits que decide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recuperar el reloj del código elegido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reloj recuperado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bajo el reloj, el que recupera el receptor del código elegido, con sus deslizamientos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deslizamientos del reloj: 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deslizamientos del reloj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cuántas veces el reloj recuperado se desvía más de un cuarto de bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagrama de ojo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo que llega de cada bit del código elegido, superpuesto de dos en dos bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medidas del ojo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altura y anchura del ojo del código elegido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tasa de errores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tasa de errores de bit de los códigos elegidos frente a Eb/N0: medida en puntos, teórica en curvas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medir la tasa de errores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mide la tasa de errores de los códigos elegidos por esta línea, de 0 a 12 dB de Eb/N0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progreso de la medida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cuántos puntos de la tasa de errores se han medido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar la medida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Para la medida; los puntos ya medidos se quedan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>laboratorio::DibujoCodigos</name>
    <message>
        <source>Reloj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recuperado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recibida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>laboratorio::GraficoBer</name>
    <message>
        <source>Tasa de errores: %1 bits por punto; la curva, la teoría.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>laboratorio::GraficoEspectro</name>
    <message>
        <source>densidad espectral (potencia media 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dB (potencia media 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimada con %1 bits al azar; a trazos, la fórmula teórica.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (solo estimada)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>laboratorio::GraficoOjo</name>
    <message>
        <source>Ojo de %1: %2 bits al azar, dos bits por trazo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>laboratorio::ModeloPasos</name>
    <message>
        <source>Bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Símbolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nivel 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nivel 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motivo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>laboratorio::PanelLinea</name>
    <message>
        <source>Sin el ruido, el ojo está cerrado: el receptor se equivoca.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El ojo está cerrado: el receptor se equivoca.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sin el ruido, altura del ojo: %1 · anchura: %2 del bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altura del ojo: %1 · anchura: %2 del bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deslizamientos del reloj: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>laboratorio::VentanaLaboratorio</name>
    <message>
        <source>error de línea en la primera mitad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error de línea en la segunda mitad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el receptor decide mal la primera mitad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el receptor decide mal la segunda mitad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escribe de 1 a %1 bits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Para verlos en hexadecimal, los bits han de ser un múltiplo de 4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Para verlos como texto, los bits han de ser bytes enteros de caracteres visibles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La línea hace que el receptor decida mal %1 medios bits. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits erróneos: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No cambia ningún bit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El error no cambia ningún bit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Detectado: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> El receptor no ve ninguna violación.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Este código no detecta errores de línea.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>linea</name>
    <message>
        <source>uso: tramavox --ber --codigo CÓDIGO --ebn0 0,2,4 [--bits 200000] [--semilla S] [--perdida DB] [--acoplamiento F]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a «%1» le falta su valor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» no es un código</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» no es un Eb/N0 en dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>los bits han de ser de 1 a %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la semilla ha de ser un número entero positivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la pérdida del cable ha de ser de 0 a %1 dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el corte del acoplamiento ha de ser una fracción de la velocidad binaria de 0 a %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no se conoce la opción «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falta el código (--codigo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>faltan los valores de Eb/N0 (--ebn0)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>preguntas</name>
    <message>
        <source>&lt;p&gt;Antes del primer bit: %1.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: leer %2 bits (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;Este dibujo es la señal %1 de %2 bits, con el reloj encima.&lt;/p&gt;%3&lt;p&gt;&lt;img src=&quot;@@PLUGINFILE@@/%4&quot; alt=&quot;Señal %1 de %2 bits&quot;&gt;&lt;/p&gt;&lt;p&gt;Escribe los bits, o su valor en hexadecimal.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;Los bits son %1 (%2 en hexadecimal).&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: elegir la señal de %2 bits (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;¿Cuál es la señal %1 de %2?&lt;/p&gt;%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;img src=&quot;@@PLUGINFILE@@/%1&quot; alt=&quot;Una señal de %2 bits&quot;&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;Correcto.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uso: tramavox --moodle FICHERO [--preguntas N] [--codigos HDB3,AMI,…] [--bits 16] [--semilla S]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» no es un código; los códigos son %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falta el fichero de preguntas que se ha de escribir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a «%1» le falta su valor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el número de preguntas ha de ser de 1 a %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>los bits han de ser un múltiplo de 4 de %1 a %2 (cada cifra hexadecimal son 4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la semilla ha de ser un número entero positivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no se conoce la opción «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tramavox: no se pudo escribir «%1»: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>principal</name>
    <message>
        <source>reloj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forma de onda de 16 bits: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ninguna señal a la vista</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sistemas de Telefonía (Tramavox)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dibujo de las señales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El reloj y las formas de onda NRZ, RZ, AMI y HDB3 del número; cada casilla de la rejilla es un bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombres de las señales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulsa el nombre de una señal para mostrarla u ocultarla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Señal RZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal RZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NRZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Señal NRZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal NRZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Señal CLK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal CLK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Señal AMI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal AMI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HDB3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Señal HDB3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal HDB3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periodo </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periodo de bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ancho de un bit en el dibujo, de 1 a 10; se mueve con las flechas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Número</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Número hexadecimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escribe cifras hexadecimales en cualquier parte de la ventana; entran por la derecha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hexa.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>000000000000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Número en binario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Los 16 bits del número</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vuelve el número a 0000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cadena HDB3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Los símbolos HDB3 de ocho copias del número, con sus sustituciones B y V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¿A qué número hexadecimal se corresponde el código que se muestra?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reloj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMI RZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HBD3 RZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ver todos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ocultar todos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ampliar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reducir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamaño normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ampliación: 100 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Español</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Català</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Galego</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Euskara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilidades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proponer ejercicio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laboratorio de códigos…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrenador de códigos…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acerca de ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayuda ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>principal::VentanaPrincipal</name>
    <message>
        <source>Ampliación: %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copiar imagen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar imagen…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar imagen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imagen PNG (*.png);;Dibujo vectorial SVG (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se pudo guardar la imagen en «%1»: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
