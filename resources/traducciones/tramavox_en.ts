<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>Ejerc</name>
    <message>
        <source>Ejercicios</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>Estadísticas</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Barra de aciertos</source>
        <translation>Score bar</translation>
    </message>
    <message>
        <source>El porcentaje de aciertos del alumno elegido</source>
        <translation>The chosen student&apos;s percentage of right answers</translation>
    </message>
    <message>
        <source>Detalles</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Abre la vista de toda la clase para el profesor</source>
        <translation>Opens the whole class&apos;s view for the teacher</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Borra las estadísticas del alumno elegido, tras confirmarlo</source>
        <translation>Erases the chosen student&apos;s statistics, after confirming</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Porcentaje de aciertos</source>
        <translation>Percentage right</translation>
    </message>
    <message>
        <source>Estadística del alumno elegido</source>
        <translation>Chosen student&apos;s statistics</translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Errores</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>Total de respuestas</source>
        <translation>Total answers</translation>
    </message>
    <message>
        <source>Introduce tu nombre</source>
        <translation>Type your name</translation>
    </message>
    <message>
        <source>Alumno</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Escribe tu nombre y pulsa Intro, o elige uno de la lista</source>
        <translation>Type your name and press Enter, or choose one from the list</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Alumno:</source>
        <translation>Student:</translation>
    </message>
    <message>
        <source>Respuesta</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>0000</source>
        <translation>0000</translation>
    </message>
    <message>
        <source>Escribe las cifras hexadecimales del número que lees en el dibujo</source>
        <translation>Type the hexadecimal digits of the number you read in the drawing</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Comprueba la respuesta y la cuenta para el alumno</source>
        <translation>Checks the answer and counts it for the student</translation>
    </message>
    <message>
        <source>Código a  ejercitar</source>
        <translation>Code to practise</translation>
    </message>
    <message>
        <source>NRZ</source>
        <translation>NRZ</translation>
    </message>
    <message>
        <source>Código que se dibuja en los ejercicios</source>
        <translation>Code drawn in the exercises</translation>
    </message>
    <message>
        <source>RZ</source>
        <translation>RZ</translation>
    </message>
    <message>
        <source>AMI</source>
        <translation>AMI</translation>
    </message>
    <message>
        <source>HDB3</source>
        <translation>HDB3</translation>
    </message>
    <message>
        <source>Aleatorio</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>Proponer</source>
        <translation>Propose</translation>
    </message>
    <message>
        <source>Propone un ejercicio nuevo</source>
        <translation>Proposes a new exercise</translation>
    </message>
    <message>
        <source>Solución</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Muestra el número; la respuesta ya no cuenta</source>
        <translation>Shows the number; the answer no longer counts</translation>
    </message>
    <message>
        <source>Periodo </source>
        <translation>Period </translation>
    </message>
    <message>
        <source>Periodo de bit</source>
        <translation>Bit period</translation>
    </message>
    <message>
        <source>Ancho de un bit en el dibujo de la ventana principal</source>
        <translation>Width of a bit in the main window&apos;s drawing</translation>
    </message>
    <message>
        <source>Text1</source>
        <translation>Text1</translation>
    </message>
    <message>
        <source>Teclado de la respuesta</source>
        <translation>Answer keyboard</translation>
    </message>
    <message>
        <source>Tras elegir alumno, las cifras tecleadas van a la respuesta</source>
        <translation>Once a student is chosen, the digits typed go to the answer</translation>
    </message>
    <message>
        <source>La respuesta es incorrecta</source>
        <translation>The answer is wrong</translation>
    </message>
    <message>
        <source>Examen</source>
        <translation>Exam</translation>
    </message>
    <message>
        <source>La pregunta del examen y el tiempo que queda</source>
        <translation>The exam&apos;s question and the time left</translation>
    </message>
</context>
<context>
    <name>acerca</name>
    <message>
        <source>Acerca de Tramavox</source>
        <translation>About Tramavox</translation>
    </message>
    <message>
        <source>Imagen y ciclo formativo del programa</source>
        <translation>The program&apos;s picture and training course</translation>
    </message>
    <message>
        <source>Imagen del aula</source>
        <translation>Picture of the classroom</translation>
    </message>
    <message>
        <source>Alumnos en los bancos de un laboratorio de telefonía</source>
        <translation>Students at the benches of a telephony laboratory</translation>
    </message>
    <message>
        <source>    Ciclo Formativo de Grado Superior   Sistemas de Telecomunicación e Informáticos.</source>
        <translation>    Higher Vocational Training   Telecommunication and Computer Systems.</translation>
    </message>
    <message>
        <source>Descripción del programa</source>
        <translation>Description of the program</translation>
    </message>
    <message>
        <source>Para qué y para quién se hizo el programa</source>
        <translation>What the program was made for, and for whom</translation>
    </message>
    <message>
        <source>Programa y dibujos: equipo Tramavox</source>
        <translation>Program and drawings: the Tramavox team</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cierra esta ventana</source>
        <translation>Closes this window</translation>
    </message>
    <message>
        <source>Sistemas de Telefonía</source>
        <translation>Telephony Systems</translation>
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
        <translation>Practice program for the serial <byte value="xd"/>
data codes used in telephony, developed for the <byte value="xd"/>
professional introduction module &quot;Telephony <byte value="xd"/>
Systems&quot;, part of the higher <byte value="xd"/>
vocational training course <byte value="xd"/>
&quot;Telecommunication and <byte value="xd"/>
Computer Systems&quot;.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>almacen</name>
    <message>
        <source>las cuentas no son dos números enteros positivos</source>
        <translation>the counts are not two positive whole numbers</translation>
    </message>
    <message>
        <source>tiene más aciertos (%1) que respuestas (%2)</source>
        <translation>has more right answers (%1) than answers (%2)</translation>
    </message>
    <message>
        <source>está en blanco</source>
        <translation>is blank</translation>
    </message>
    <message>
        <source>tiene caracteres nulos</source>
        <translation>has null characters</translation>
    </message>
    <message>
        <source>no tiene nombre</source>
        <translation>has no name</translation>
    </message>
    <message>
        <source>el nombre pasa de %1 caracteres</source>
        <translation>the name is longer than %1 characters</translation>
    </message>
    <message>
        <source>línea %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>El nombre no puede pasar de %1 caracteres.</source>
        <translation>The name cannot be longer than %1 characters.</translation>
    </message>
    <message>
        <source>El nombre no puede llevar «%1»: el fichero de notas no puede guardarlo.</source>
        <translation>The name cannot contain “%1”: the marks file cannot store it.</translation>
    </message>
    <message>
        <source>«%1» no es una carpeta</source>
        <translation>“%1” is not a folder</translation>
    </message>
    <message>
        <source>no se puede crear en ella la carpeta de los registros «%1»: %2</source>
        <translation>the records folder “%1” cannot be made in it: %2</translation>
    </message>
    <message>
        <source>no se puede crear en ella el registro de este puesto: %1</source>
        <translation>this desk&apos;s record cannot be made in it: %1</translation>
    </message>
    <message>
        <source>la carpeta compartida no garantiza que un fichero nuevo sea solo del puesto que lo crea</source>
        <translation>the shared folder does not ensure that a new file belongs only to the desk that makes it</translation>
    </message>
    <message>
        <source>no se pudo leer «%1»: %2</source>
        <translation>“%1” could not be read: %2</translation>
    </message>
    <message>
        <source>no se pudo guardar la copia del historial: %1</source>
        <translation>the copy of the answer log could not be saved: %1</translation>
    </message>
    <message>
        <source>el registro de este puesto no está abierto</source>
        <translation>this desk&apos;s record is not open</translation>
    </message>
    <message>
        <source>«%1» ya no está en la clase: otro puesto lo ha borrado</source>
        <translation>“%1” is no longer in the class: another desk has deleted them</translation>
    </message>
    <message>
        <source>el fichero de la contraseña del profesor «%1» está dañado</source>
        <translation>the teacher&apos;s password file «%1» is damaged</translation>
    </message>
    <message>
        <source>la contraseña actual no es la del profesor</source>
        <translation>the current password is not the teacher&apos;s</translation>
    </message>
    <message>
        <source>la contraseña ha de tener al menos %1 caracteres</source>
        <translation>the password must have at least %1 characters</translation>
    </message>
    <message>
        <source>no se puede usar la biblioteca de cifrado</source>
        <translation>the encryption library cannot be used</translation>
    </message>
    <message>
        <source>no hay memoria bastante para cifrar la contraseña</source>
        <translation>there is not enough memory to hash the password</translation>
    </message>
    <message>
        <source>El examen ha de tener un nombre.</source>
        <translation>The exam must have a name.</translation>
    </message>
    <message>
        <source>Elige al menos un código para el examen.</source>
        <translation>Choose at least one code for the exam.</translation>
    </message>
    <message>
        <source>El examen ha de tener de 1 a %1 preguntas.</source>
        <translation>The exam must have from 1 to %1 questions.</translation>
    </message>
    <message>
        <source>El examen ha de durar de 1 a %1 minutos.</source>
        <translation>The exam must last from 1 to %1 minutes.</translation>
    </message>
</context>
<context>
    <name>ayu</name>
    <message>
        <source>Ayuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>RichTextBox1</source>
        <translation>RichTextBox1</translation>
    </message>
    <message>
        <source>Texto de ayuda</source>
        <translation>Help text</translation>
    </message>
    <message>
        <source>Cómo se usa el programa y la teoría de los códigos de línea</source>
        <translation>How to use the program, and the theory of line codes</translation>
    </message>
</context>
<context>
    <name>ayuda</name>
    <message>
        <source>%1, del número %2.</source>
        <translation>%1, of the number %2.</translation>
    </message>
    <message>
        <source>Señal %1 de los bits %2.</source>
        <translation>%1 signal of the bits %2.</translation>
    </message>
    <message>
        <source>%1 de los bits %2 tras %3 dB de cable: lo que llega, lo que lee el receptor y el reloj que recupera.</source>
        <translation>%1 of the bits %2 after %3 dB of cable: what arrives, what the receiver reads and the clock it recovers.</translation>
    </message>
    <message>
        <source>Ojo de %1 tras %2 dB de cable, sin ruido.</source>
        <translation>Eye of %1 after %2 dB of cable, without noise.</translation>
    </message>
    <message>
        <source>Tasa de errores de %1: medida (puntos) y teórica (curvas).</source>
        <translation>Error rate of %1: measured (points) and theoretical (curves).</translation>
    </message>
</context>
<context>
    <name>ayuda::VentanaAcerca</name>
    <message>
        <source>Dibujo de Tramavox</source>
        <translation>Tramavox drawing</translation>
    </message>
    <message>
        <source>Las señales de reloj, NRZ, RZ, AMI y HDB3 de un número, como las dibuja el programa</source>
        <translation>The clock, NRZ, RZ, AMI and HDB3 signals of a number, as the program draws them</translation>
    </message>
</context>
<context>
    <name>ayuda::VentanaAyuda</name>
    <message>
        <source>No se pudo leer «%1»: %2. Se muestra la ayuda que lleva el programa.</source>
        <translation>Could not read “%1”: %2. Showing the help built into the program.</translation>
    </message>
</context>
<context>
    <name>codigos</name>
    <message>
        <source>ocho ceros → 000VB0VB: V repite el signo del último pulso y B lo invierte</source>
        <translation>eight zeros → 000VB0VB: V repeats the sign of the last pulse and B inverts it</translation>
    </message>
    <message>
        <source>cuatro ceros tras un número par de marcas desde la última V → B00V</source>
        <translation>four zeros after an even number of marks since the last V → B00V</translation>
    </message>
    <message>
        <source>cuatro ceros tras un número impar de marcas desde la última V → 000V</source>
        <translation>four zeros after an odd number of marks since the last V → 000V</translation>
    </message>
    <message>
        <source>falta dibujar este medio bit</source>
        <translation>this half-bit is still to be drawn</translation>
    </message>
    <message>
        <source>aquí va %1: %2</source>
        <translation>%1 goes here: %2</translation>
    </message>
    <message>
        <source>falta la transición a mitad de bit</source>
        <translation>the mid-bit transition is missing</translation>
    </message>
    <message>
        <source>la marca debe alternar</source>
        <translation>the mark must alternate</translation>
    </message>
    <message>
        <source>el pulso dura medio bit</source>
        <translation>the pulse lasts half a bit</translation>
    </message>
    <message>
        <source>aquí no hay pulso</source>
        <translation>there is no pulse here</translation>
    </message>
    <message>
        <source>aquí va un pulso</source>
        <translation>a pulse goes here</translation>
    </message>
    <message>
        <source>aquí va el nivel %1</source>
        <translation>level %1 goes here</translation>
    </message>
    <message>
        <source>NRZ unipolar</source>
        <translation>Unipolar NRZ</translation>
    </message>
    <message>
        <source>NRZ unipolar: un 1 es nivel alto todo el bit; un 0, nivel cero.</source>
        <translation>Unipolar NRZ: a 1 is a high level for the whole bit; a 0, level zero.</translation>
    </message>
    <message>
        <source>NRZ polar</source>
        <translation>Polar NRZ</translation>
    </message>
    <message>
        <source>NRZ polar: un 1 es +1 todo el bit; un 0, −1.</source>
        <translation>Polar NRZ: a 1 is +1 for the whole bit; a 0, −1.</translation>
    </message>
    <message>
        <source>NRZI: cada 1 cambia el nivel al empezar el bit; un 0 lo mantiene.</source>
        <translation>NRZI: each 1 changes the level at the start of the bit; a 0 keeps it.</translation>
    </message>
    <message>
        <source>RZ unipolar: un 1 es un pulso en la primera mitad del bit; un 0, nivel cero.</source>
        <translation>Unipolar RZ: a 1 is a pulse in the first half of the bit; a 0, level zero.</translation>
    </message>
    <message>
        <source>AMI (ANSI T1.102): cada 1 es un pulso de medio bit de signo contrario al anterior; un 0, cero.</source>
        <translation>AMI (ANSI T1.102): each 1 is a half-bit pulse of the opposite sign to the one before; a 0, zero.</translation>
    </message>
    <message>
        <source>Pseudoternario</source>
        <translation>Pseudoternary</translation>
    </message>
    <message>
        <source>Pseudoternario (UIT-T I.430): cada 0 es un pulso de bit entero, de signo contrario al anterior; un 1, cero.</source>
        <translation>Pseudoternary (ITU-T I.430): each 0 is a whole-bit pulse of the opposite sign to the one before; a 1, zero.</translation>
    </message>
    <message>
        <source>HDB3 (UIT-T G.703): AMI en que cuatro ceros son 000V tras un número impar de marcas desde la última V, o B00V tras un número par.</source>
        <translation>HDB3 (ITU-T G.703): AMI in which four zeros are 000V after an odd number of marks since the last V, or B00V after an even number.</translation>
    </message>
    <message>
        <source>B8ZS (ANSI T1.102): AMI en que ocho ceros son 000VB0VB.</source>
        <translation>B8ZS (ANSI T1.102): AMI in which eight zeros are 000VB0VB.</translation>
    </message>
    <message>
        <source>CMI (UIT-T G.703): un 1 ocupa el bit entero, alto y bajo por turnos; un 0 es bajo y luego alto.</source>
        <translation>CMI (ITU-T G.703): a 1 fills the whole bit, high and low in turn; a 0 is low then high.</translation>
    </message>
    <message>
        <source>Manchester (IEEE 802.3): un 1 sube a mitad de bit; un 0 baja (al revés que el convenio de G. E. Thomas).</source>
        <translation>Manchester (IEEE 802.3): a 1 rises at mid-bit; a 0 falls (the reverse of G. E. Thomas&apos;s convention).</translation>
    </message>
    <message>
        <source>Manchester diferencial</source>
        <translation>Differential Manchester</translation>
    </message>
    <message>
        <source>Manchester diferencial: siempre hay transición a mitad de bit, y además al empezar cada 0.</source>
        <translation>Differential Manchester: there is always a transition at mid-bit, and also at the start of each 0.</translation>
    </message>
    <message>
        <source>2B1Q (ANSI T1.601): dos bits por símbolo, el primero el signo y el segundo la magnitud: 10 +3, 11 +1, 01 −1, 00 −3; un último bit sin pareja va con un 0.</source>
        <translation>2B1Q (ANSI T1.601): two bits per symbol, the first the sign and the second the magnitude: 10 +3, 11 +1, 01 −1, 00 −3; a last bit without a pair goes with a 0.</translation>
    </message>
    <message>
        <source>MLT-3: cada 1 avanza un paso por 0, +1, 0, −1; un 0 mantiene el nivel.</source>
        <translation>MLT-3: each 1 moves one step through 0, +1, 0, −1; a 0 keeps the level.</translation>
    </message>
    <message>
        <source>Solo se admiten los bits 0 y 1; los espacios se ignoran.</source>
        <translation>Only the bits 0 and 1 are accepted; spaces are ignored.</translation>
    </message>
    <message>
        <source>Solo se admiten las cifras hexadecimales 0-9 y A-F; los espacios se ignoran.</source>
        <translation>Only the hexadecimal digits 0-9 and A-F are accepted; spaces are ignored.</translation>
    </message>
    <message>
        <source>Solo se admiten caracteres de un byte (Latin-1): cada uno da sus 8 bits.</source>
        <translation>Only one-byte characters (Latin-1) are accepted: each gives its 8 bits.</translation>
    </message>
    <message>
        <source>Como mucho %1 bits.</source>
        <translation>At most %1 bits.</translation>
    </message>
    <message>
        <source>violación bipolar no esperada</source>
        <translation>unexpected bipolar violation</translation>
    </message>
    <message>
        <source>violación que no cuadra con la paridad inicial</source>
        <translation>violation that does not match the starting parity</translation>
    </message>
    <message>
        <source>violación con la polaridad de la anterior</source>
        <translation>violation with the polarity of the previous one</translation>
    </message>
    <message>
        <source>cuatro ceros seguidos, imposibles en HDB3,</source>
        <translation>four zeros in a row, impossible in HDB3,</translation>
    </message>
    <message>
        <source>ocho ceros seguidos, imposibles en B8ZS,</source>
        <translation>eight zeros in a row, impossible in B8ZS,</translation>
    </message>
    <message>
        <source>violación de la alternancia CMI</source>
        <translation>CMI alternation violation</translation>
    </message>
    <message>
        <source>símbolo CMI no válido</source>
        <translation>invalid CMI symbol</translation>
    </message>
    <message>
        <source>%1 en el bit %2</source>
        <translation>%1 at bit %2</translation>
    </message>
    <message>
        <source>las marcas no alternan: cada una lleva el signo contrario de la anterior</source>
        <translation>the marks do not alternate: each has the opposite sign to the one before</translation>
    </message>
    <message>
        <source>se empezó con el signo contrario: mira el último pulso antes del primer bit</source>
        <translation>started with the opposite sign: look at the last pulse before the first bit</translation>
    </message>
    <message>
        <source>se partió del nivel contrario: mira el nivel antes del primer bit</source>
        <translation>started from the opposite level: look at the level before the first bit</translation>
    </message>
    <message>
        <source>unos y ceros al revés: el 1 es el nivel alto</source>
        <translation>ones and zeros swapped: the 1 is the high level</translation>
    </message>
    <message>
        <source>así es NRZ polar: en unipolar el 0 no tiene tensión</source>
        <translation>that is polar NRZ: in unipolar the 0 has no voltage</translation>
    </message>
    <message>
        <source>así es RZ: en NRZ el nivel dura todo el bit</source>
        <translation>that is RZ: in NRZ the level lasts the whole bit</translation>
    </message>
    <message>
        <source>unos y ceros al revés: el 1 es positivo y el 0 negativo</source>
        <translation>ones and zeros swapped: the 1 is positive and the 0 negative</translation>
    </message>
    <message>
        <source>así es NRZ unipolar: en polar el 0 es negativo</source>
        <translation>that is unipolar NRZ: in polar the 0 is negative</translation>
    </message>
    <message>
        <source>así es NRZI: en NRZ polar el nivel dice el bit</source>
        <translation>that is NRZI: in polar NRZ the level gives the bit</translation>
    </message>
    <message>
        <source>el cambio va en los ceros: en NRZI cada 1 cambia el nivel</source>
        <translation>the change goes on the zeros: in NRZI each 1 changes the level</translation>
    </message>
    <message>
        <source>así es NRZ polar: en NRZI el bit no lo dice el nivel, sino el cambio</source>
        <translation>that is polar NRZ: in NRZI the bit is given by the change, not the level</translation>
    </message>
    <message>
        <source>así es NRZ unipolar: en RZ el pulso vuelve a cero a mitad de bit</source>
        <translation>that is unipolar NRZ: in RZ the pulse returns to zero at mid-bit</translation>
    </message>
    <message>
        <source>unos y ceros al revés: el pulso es el 1</source>
        <translation>ones and zeros swapped: the pulse is the 1</translation>
    </message>
    <message>
        <source>el pulso va en la primera mitad del bit, no en la segunda</source>
        <translation>the pulse goes in the first half of the bit, not the second</translation>
    </message>
    <message>
        <source>así es pseudoternario: en AMI los pulsos son los unos</source>
        <translation>that is pseudoternary: in AMI the pulses are the ones</translation>
    </message>
    <message>
        <source>el pulso dura todo el bit: en AMI dura medio bit</source>
        <translation>the pulse lasts the whole bit: in AMI it lasts half a bit</translation>
    </message>
    <message>
        <source>así es AMI: en pseudoternario los pulsos son los ceros</source>
        <translation>that is AMI: in pseudoternary the pulses are the zeros</translation>
    </message>
    <message>
        <source>sin sustituciones: así queda en AMI, y en HDB3 cada cuatro ceros seguidos se sustituyen</source>
        <translation>no substitutions: that is how AMI sends it, and in HDB3 every four zeros in a row are substituted</translation>
    </message>
    <message>
        <source>se eligió mal entre 000V y B00V: cuenta las marcas desde la última V</source>
        <translation>wrong choice between 000V and B00V: count the marks since the last V</translation>
    </message>
    <message>
        <source>la V lleva la polaridad contraria: repite la del pulso anterior</source>
        <translation>the V has the opposite polarity: it repeats that of the previous pulse</translation>
    </message>
    <message>
        <source>sin sustituciones: así queda en AMI, y en B8ZS cada ocho ceros seguidos se sustituyen</source>
        <translation>no substitutions: that is how AMI sends it, and in B8ZS every eight zeros in a row are substituted</translation>
    </message>
    <message>
        <source>el patrón 000VB0VB va desplazado: empieza en el primero de los ocho ceros</source>
        <translation>the 000VB0VB pattern is shifted: it starts at the first of the eight zeros</translation>
    </message>
    <message>
        <source>la B no alterna: lleva el signo contrario del pulso anterior</source>
        <translation>the B does not alternate: it has the opposite sign to the previous pulse</translation>
    </message>
    <message>
        <source>el 0 va al revés: en CMI es bajo en la primera mitad y alto en la segunda</source>
        <translation>the 0 is reversed: in CMI it is low in the first half and high in the second</translation>
    </message>
    <message>
        <source>los unos no alternan: cada 1 lleva el nivel contrario del 1 anterior</source>
        <translation>the ones do not alternate: each 1 has the opposite level to the previous 1</translation>
    </message>
    <message>
        <source>las transiciones van al revés: es el convenio de G. E. Thomas, no el de IEEE 802.3</source>
        <translation>the transitions are reversed: that is G. E. Thomas&apos;s convention, not IEEE 802.3&apos;s</translation>
    </message>
    <message>
        <source>así es NRZ polar: falta la transición a mitad de bit</source>
        <translation>that is polar NRZ: the mid-bit transition is missing</translation>
    </message>
    <message>
        <source>así es Manchester diferencial: en Manchester el sentido de la transición dice el bit</source>
        <translation>that is differential Manchester: in Manchester the direction of the transition gives the bit</translation>
    </message>
    <message>
        <source>el cambio al principio del bit va en los unos: en el diferencial lo lleva cada 0</source>
        <translation>the change at the start of the bit goes on the ones: in differential each 0 has it</translation>
    </message>
    <message>
        <source>así es Manchester: en el diferencial el bit lo dice si hay cambio al principio</source>
        <translation>that is Manchester: in differential the bit is given by whether there is a change at the start</translation>
    </message>
    <message>
        <source>signo y magnitud cambiados: el primer bit de cada par da el signo</source>
        <translation>sign and magnitude swapped: the first bit of each pair gives the sign</translation>
    </message>
    <message>
        <source>las magnitudes al revés: un 1 en el segundo bit es ±1 y un 0 es ±3</source>
        <translation>magnitudes reversed: a 1 in the second bit is ±1 and a 0 is ±3</translation>
    </message>
    <message>
        <source>el signo al revés: un 1 en el primer bit es positivo</source>
        <translation>sign reversed: a 1 in the first bit is positive</translation>
    </message>
    <message>
        <source>cada 1 cambia de signo sin pasar por cero: MLT-3 recorre 0, +1, 0, −1</source>
        <translation>each 1 changes sign without passing through zero: MLT-3 runs through 0, +1, 0, −1</translation>
    </message>
    <message>
        <source>cambian los ceros: en MLT-3 solo cada 1 avanza un paso</source>
        <translation>the zeros change: in MLT-3 only each 1 moves one step</translation>
    </message>
    <message>
        <source>se partió de otro nivel: mira el nivel antes del primer bit</source>
        <translation>started from another level: look at the level before the first bit</translation>
    </message>
    <message>
        <source>último pulso positivo</source>
        <translation>last pulse positive</translation>
    </message>
    <message>
        <source>último pulso negativo</source>
        <translation>last pulse negative</translation>
    </message>
    <message>
        <source>%1, un número impar de marcas desde la última V</source>
        <translation>%1, an odd number of marks since the last V</translation>
    </message>
    <message>
        <source>%1, un número par de marcas desde la última V</source>
        <translation>%1, an even number of marks since the last V</translation>
    </message>
    <message>
        <source>nivel inicial alto</source>
        <translation>starting level high</translation>
    </message>
    <message>
        <source>nivel inicial bajo</source>
        <translation>starting level low</translation>
    </message>
    <message>
        <source>nivel inicial %1</source>
        <translation>starting level %1</translation>
    </message>
    <message>
        <source>nivel inicial cero, tras un pulso positivo</source>
        <translation>starting level zero, after a positive pulse</translation>
    </message>
    <message>
        <source>nivel inicial cero, tras un pulso negativo</source>
        <translation>starting level zero, after a negative pulse</translation>
    </message>
</context>
<context>
    <name>detalles</name>
    <message>
        <source>Detalles de la clase</source>
        <translation>Class details</translation>
    </message>
    <message>
        <source>Estadísticas de la clase</source>
        <translation>Class statistics</translation>
    </message>
    <message>
        <source>Total, aciertos, errores y porcentaje de cada alumno; pulsa una cabecera para ordenar</source>
        <translation>Each student&apos;s total, right, wrong and percentage; click a header to sort</translation>
    </message>
    <message>
        <source>Respuestas por código</source>
        <translation>Answers by code</translation>
    </message>
    <message>
        <source>Aciertos y errores de cada alumno en NRZ, RZ, AMI y HDB3</source>
        <translation>Each student&apos;s right and wrong answers in NRZ, RZ, AMI and HDB3</translation>
    </message>
    <message>
        <source>Exportar CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>Exportar CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Guarda la tabla para una hoja de cálculo</source>
        <translation>Saves the table for a spreadsheet</translation>
    </message>
    <message>
        <source>Informe PDF…</source>
        <translation>PDF report…</translation>
    </message>
    <message>
        <source>Informe PDF</source>
        <translation>PDF report</translation>
    </message>
    <message>
        <source>Guarda un informe de la clase para imprimir</source>
        <translation>Saves a report of the class for printing</translation>
    </message>
    <message>
        <source>Borrar alumno</source>
        <translation>Delete student</translation>
    </message>
    <message>
        <source>Borra de las estadísticas el alumno elegido en la tabla</source>
        <translation>Deletes the student chosen in the table from the statistics</translation>
    </message>
    <message>
        <source>Cuentas a cero, alumnos borrados y soluciones vistas, lo último primero:</source>
        <translation>Counts reset, students deleted and solutions viewed, latest first:</translation>
    </message>
    <message>
        <source>Sucesos de la clase</source>
        <translation>Class events</translation>
    </message>
    <message>
        <source>Quién puso sus cuentas a cero, borró a un alumno o vio una solución, cuándo y en qué puesto</source>
        <translation>Who reset their counts, deleted a student or viewed a solution, when and at which desk</translation>
    </message>
    <message>
        <source>Contraseña del profesor…</source>
        <translation>Teacher&apos;s password…</translation>
    </message>
    <message>
        <source>Contraseña del profesor</source>
        <translation>Teacher&apos;s password</translation>
    </message>
    <message>
        <source>Pone o cambia la contraseña que piden borrar alumnos y poner cuentas a cero</source>
        <translation>Sets or changes the password that deleting students and resetting counts ask for</translation>
    </message>
    <message>
        <source>Aún no ha habido ningún examen.</source>
        <translation>There has been no exam yet.</translation>
    </message>
    <message>
        <source>Notas del examen</source>
        <translation>Exam marks</translation>
    </message>
    <message>
        <source>Preguntas respondidas, aciertos y nota de cada alumno en el último examen</source>
        <translation>Questions answered, right answers and mark of each student in the last exam</translation>
    </message>
    <message>
        <source>Empezar examen…</source>
        <translation>Start exam…</translation>
    </message>
    <message>
        <source>Empezar examen</source>
        <translation>Start exam</translation>
    </message>
    <message>
        <source>Empieza un examen en todos los puestos de la clase</source>
        <translation>Starts an exam at every desk of the class</translation>
    </message>
    <message>
        <source>Terminar examen</source>
        <translation>End exam</translation>
    </message>
    <message>
        <source>Termina el examen en curso en todos los puestos</source>
        <translation>Ends the exam under way at every desk</translation>
    </message>
    <message>
        <source>Notas del examen (CSV)…</source>
        <translation>Exam marks (CSV)…</translation>
    </message>
    <message>
        <source>Guarda las notas del último examen para una hoja de cálculo</source>
        <translation>Saves the last exam&apos;s marks for a spreadsheet</translation>
    </message>
</context>
<context>
    <name>dibujo</name>
    <message>
        <source>Sistemas de
Telefonía</source>
        <translation>Telephony
Systems</translation>
    </message>
</context>
<context>
    <name>ejercicio</name>
    <message>
        <source>«%1» estaba escrito en UTF-8; se ha leído así y se guardará en Windows-1252, como lo escribe el programa.</source>
        <translation>“%1” was written in UTF-8; it has been read so and will be saved in Windows-1252, as the program writes it.</translation>
    </message>
    <message>
        <source>y %1 más</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>Estas líneas de «%1» no son de ningún alumno y se dejan como están: %2.</source>
        <translation>These lines of “%1” belong to no student and are left as they are: %2.</translation>
    </message>
    <message>
        <source>No se pudo leer «%1»: %2. Las estadísticas de esta sesión no se guardarán.</source>
        <translation>Could not read “%1”: %2. This session&apos;s statistics will not be saved.</translation>
    </message>
    <message>
        <source>Reintentar</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Guardar una copia…</source>
        <translation>Save a copy…</translation>
    </message>
    <message>
        <source>Cerrar sin guardar</source>
        <translation>Close without saving</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Guardar una copia de las estadísticas</source>
        <translation>Save a copy of the statistics</translation>
    </message>
    <message>
        <source>Estadísticas (*.pnt)</source>
        <translation>Statistics (*.pnt)</translation>
    </message>
    <message>
        <source>No se pudo guardar la copia en «%1»: %2.</source>
        <translation>Could not save the copy in “%1”: %2.</translation>
    </message>
    <message>
        <source>Una cuenta de «%1» ha llegado al máximo que se puede guardar (%2) y no crecerá más.</source>
        <translation>A count of “%1” has reached the largest that can be saved (%2) and will grow no more.</translation>
    </message>
    <message>
        <source>%1 (dibujo)</source>
        <translation>%1 (drawing)</translation>
    </message>
    <message>
        <source>Estadísticas de la clase</source>
        <translation>Class statistics</translation>
    </message>
    <message>
        <source>Página %1 de %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Respuestas de cada alumno</source>
        <translation>Each student&apos;s answers</translation>
    </message>
    <message>
        <source>Alumno</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Errores</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>Gráfico</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Respuestas por código: aún no hay ninguna anotada</source>
        <translation>Answers by code: none logged yet</translation>
    </message>
    <message>
        <source>Respuestas por código desde el %1</source>
        <translation>Answers by code since %1</translation>
    </message>
    <message>
        <source>%1 bien</source>
        <translation>%1 right</translation>
    </message>
    <message>
        <source>%1 mal</source>
        <translation>%1 wrong</translation>
    </message>
    <message>
        <source>La carpeta «%1» no puede guardar las respuestas de la clase: %2. Puedes guardarlas en una carpeta tuya.</source>
        <translation>The folder “%1” cannot keep the class&apos;s answers: %2. You can keep them in a folder of your own.</translation>
    </message>
    <message>
        <source>Guardar en una carpeta mía…</source>
        <translation>Save in a folder of mine…</translation>
    </message>
    <message>
        <source>Seguir sin guardar</source>
        <translation>Go on without saving</translation>
    </message>
    <message>
        <source>Guardar las estadísticas en</source>
        <translation>Save the statistics in</translation>
    </message>
    <message>
        <source>No se pudo anotar la respuesta en la carpeta de la clase «%1»: %2. Se guarda en este puesto y se anotará en cuanto se pueda; no se te volverá a avisar hasta entonces.</source>
        <translation>The answer could not be recorded in the class folder “%1”: %2. It is kept on this desk and will be recorded as soon as possible; you will not be told again until then.</translation>
    </message>
    <message>
        <source>No se pudieron anotar las respuestas en la carpeta de la clase «%1»: %2.</source>
        <translation>The answers could not be recorded in the class folder “%1”: %2.</translation>
    </message>
    <message>
        <source>Cuentas a cero</source>
        <translation>Counts reset</translation>
    </message>
    <message>
        <source>Alumno borrado</source>
        <translation>Student deleted</translation>
    </message>
    <message>
        <source>Solución vista</source>
        <translation>Solution viewed</translation>
    </message>
    <message>
        <source>%1 respuestas, %2 aciertos</source>
        <translation>%1 answers, %2 right</translation>
    </message>
    <message>
        <source>El fichero de la contraseña del profesor («%1») está dañado: no se puede comprobar ninguna contraseña. Si el profesor lo borra, puede poner una nueva.</source>
        <translation>The teacher&apos;s password file («%1») is damaged: no password can be checked. If the teacher deletes it, a new one can be set.</translation>
    </message>
    <message>
        <source>Solo el profesor puede %1. Escribe la contraseña del profesor:</source>
        <translation>Only the teacher can %1. Type the teacher&apos;s password:</translation>
    </message>
    <message>
        <source>Esa no es la contraseña del profesor.</source>
        <translation>That is not the teacher&apos;s password.</translation>
    </message>
    <message>
        <source>Contraseña actual del profesor:</source>
        <translation>The teacher&apos;s current password:</translation>
    </message>
    <message>
        <source>Nueva contraseña del profesor (al menos %1 caracteres):</source>
        <translation>New teacher&apos;s password (at least %1 characters):</translation>
    </message>
    <message>
        <source>Repite la nueva contraseña:</source>
        <translation>Type the new password again:</translation>
    </message>
    <message>
        <source>Las dos contraseñas no coinciden: no se ha cambiado nada.</source>
        <translation>The two passwords differ: nothing has been changed.</translation>
    </message>
    <message>
        <source>No se pudo guardar la contraseña del profesor: %1.</source>
        <translation>The teacher&apos;s password could not be saved: %1.</translation>
    </message>
    <message>
        <source>Contraseña del profesor guardada. Desde ahora, borrar alumnos y poner cuentas a cero la piden.</source>
        <translation>Teacher&apos;s password saved. From now on, deleting students and resetting counts ask for it.</translation>
    </message>
    <message>
        <source>Preguntas</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Nota</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>en curso, quedan %1 min</source>
        <translation>under way, %1 min left</translation>
    </message>
    <message>
        <source>terminado</source>
        <translation>ended</translation>
    </message>
    <message>
        <source>Examen «%1» (%2) · preguntas: %3 · códigos: %4 · %5 min</source>
        <translation>Exam “%1” (%2) · questions: %3 · codes: %4 · %5 min</translation>
    </message>
</context>
<context>
    <name>ejercicio::DialogoExamen</name>
    <message>
        <source>Empezar un examen</source>
        <translation>Start an exam</translation>
    </message>
    <message>
        <source>&amp;Nombre:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Códigos:</source>
        <translation>Codes:</translation>
    </message>
    <message>
        <source>&amp;Preguntas por alumno:</source>
        <translation>&amp;Questions per student:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>&amp;Tiempo:</source>
        <translation>&amp;Time:</translation>
    </message>
    <message>
        <source>&amp;Semilla:</source>
        <translation>&amp;Seed:</translation>
    </message>
    <message>
        <source>Las mismas preguntas, en el mismo orden, en todos los puestos</source>
        <translation>The same questions, in the same order, at every desk</translation>
    </message>
    <message>
        <source>Empezar</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>ejercicio::EleccionAlumno</name>
    <message>
        <source>Introduce tu nombre</source>
        <translation>Type your name</translation>
    </message>
    <message>
        <source>Ya hay un alumno «%1». ¿Eres tú?
Responde No solo si eres otro alumno con un nombre parecido.</source>
        <translation>There is already a student “%1”. Is it you?
Answer No only if you are another student with a similar name.</translation>
    </message>
</context>
<context>
    <name>ejercicio::ModeloClase</name>
    <message>
        <source>Alumno</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Errores</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>Gráfico</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>%1 bien</source>
        <translation>%1 right</translation>
    </message>
    <message>
        <source>%1 mal</source>
        <translation>%1 wrong</translation>
    </message>
    <message>
        <source>Soluciones vistas</source>
        <translation>Solutions viewed</translation>
    </message>
    <message>
        <source>Última respuesta</source>
        <translation>Last answer</translation>
    </message>
    <message>
        <source>bien</source>
        <translation>right</translation>
    </message>
    <message>
        <source>mal</source>
        <translation>wrong</translation>
    </message>
    <message>
        <source>ahora</source>
        <translation>now</translation>
    </message>
</context>
<context>
    <name>ejercicio::ModeloNotas</name>
    <message>
        <source>Alumno</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Respondidas</source>
        <translation>Answered</translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Nota</source>
        <translation>Mark</translation>
    </message>
</context>
<context>
    <name>ejercicio::ModeloSucesos</name>
    <message>
        <source>Fecha</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Alumno</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Puesto</source>
        <translation>Desk</translation>
    </message>
    <message>
        <source>Suceso</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Detalle</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>(sin elegir)</source>
        <translation>(none chosen)</translation>
    </message>
</context>
<context>
    <name>ejercicio::VentanaEjercicios</name>
    <message>
        <source>Trampa, trampa, miraste la solución</source>
        <translation>Cheat, cheat, you looked at the solution</translation>
    </message>
    <message>
        <source>La respuesta es correcta</source>
        <translation>The answer is right</translation>
    </message>
    <message>
        <source>La respuesta es incorrecta</source>
        <translation>The answer is wrong</translation>
    </message>
    <message>
        <source>Has de introducir un alumno o elegir uno de la lista</source>
        <translation>You must type a student or choose one from the list</translation>
    </message>
    <message>
        <source>Esta acción borrará tus estadísticas. ¿Deseas continuar?</source>
        <translation>This will erase your statistics. Do you want to continue?</translation>
    </message>
    <message>
        <source>poner a cero las cuentas</source>
        <translation>reset the counts</translation>
    </message>
    <message>
        <source>El examen ha terminado: esta respuesta ya no cuenta.</source>
        <translation>The exam has ended: this answer no longer counts.</translation>
    </message>
    <message>
        <source>Esta pregunta del examen era de %1: pulsa «Proponer» para la tuya.</source>
        <translation>This exam question was %1&apos;s: press “Propose” for yours.</translation>
    </message>
    <message>
        <source>Elige tu nombre antes de empezar el examen.</source>
        <translation>Choose your name before starting the exam.</translation>
    </message>
    <message>
        <source>Ya has respondido todas las preguntas del examen.</source>
        <translation>You have already answered every question of the exam.</translation>
    </message>
    <message>
        <source>El examen «%1» ha terminado.</source>
        <translation>The exam “%1” has ended.</translation>
    </message>
    <message>
        <source>Examen «%1»</source>
        <translation>Exam “%1”</translation>
    </message>
    <message>
        <source>Quedan %1:%2</source>
        <translation>%1:%2 left</translation>
    </message>
    <message>
        <source>Examen terminado</source>
        <translation>Exam over</translation>
    </message>
    <message>
        <source>Pregunta %1/%2</source>
        <translation>Question %1/%2</translation>
    </message>
    <message>
        <source>Hechas %1/%2</source>
        <translation>Done %1/%2</translation>
    </message>
</context>
<context>
    <name>ejercicio::VistaClase</name>
    <message>
        <source>No se pudo guardar %1 en «%2»: %3.</source>
        <translation>Could not save %1 in “%2”: %3.</translation>
    </message>
    <message>
        <source>Respuestas por código: aún no hay ninguna anotada.</source>
        <translation>Answers by code: none logged yet.</translation>
    </message>
    <message>
        <source>Respuestas por código desde el %1, la primera anotada en el historial:</source>
        <translation>Answers by code since %1, the first logged in the history:</translation>
    </message>
    <message>
        <source>Exportar la clase</source>
        <translation>Export the class</translation>
    </message>
    <message>
        <source>Hoja de cálculo CSV (*.csv)</source>
        <translation>CSV spreadsheet (*.csv)</translation>
    </message>
    <message>
        <source>la tabla</source>
        <translation>the table</translation>
    </message>
    <message>
        <source>Informe de la clase</source>
        <translation>Class report</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>el informe</source>
        <translation>the report</translation>
    </message>
    <message>
        <source>Elige en la tabla el alumno que quieres borrar.</source>
        <translation>Choose in the table the student you want to delete.</translation>
    </message>
    <message>
        <source>¿Borrar a «%1» y sus estadísticas? Sus respuestas quedan en el historial.</source>
        <translation>Delete “%1” and their statistics? Their answers stay in the history.</translation>
    </message>
    <message>
        <source>No se pudo borrar a «%1» de «%2»: %3.</source>
        <translation>Could not delete “%1” from “%2”: %3.</translation>
    </message>
    <message>
        <source>borrar a un alumno</source>
        <translation>delete a student</translation>
    </message>
    <message>
        <source>Aún no ha habido ningún examen.</source>
        <translation>There has been no exam yet.</translation>
    </message>
    <message>
        <source>empezar un examen</source>
        <translation>start an exam</translation>
    </message>
    <message>
        <source>No se pudo empezar el examen en «%1»: %2.</source>
        <translation>The exam could not be started in “%1”: %2.</translation>
    </message>
    <message>
        <source>¿Terminar el examen «%1» en todos los puestos? Las preguntas sin responder cuentan como falladas.</source>
        <translation>End the exam “%1” at every desk? Questions not answered count as wrong.</translation>
    </message>
    <message>
        <source>terminar el examen</source>
        <translation>end the exam</translation>
    </message>
    <message>
        <source>No se pudo terminar el examen en «%1»: %2.</source>
        <translation>The exam could not be ended in “%1”: %2.</translation>
    </message>
    <message>
        <source>Notas del examen</source>
        <translation>Exam marks</translation>
    </message>
    <message>
        <source>las notas</source>
        <translation>the marks</translation>
    </message>
</context>
<context>
    <name>entrenador</name>
    <message>
        <source>Entrenador de códigos</source>
        <translation>Code trainer</translation>
    </message>
    <message>
        <source>Alumno:</source>
        <translation>Student:</translation>
    </message>
    <message>
        <source>Alumno</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Elige tu nombre de la lista o escribe uno nuevo y pulsa Intro</source>
        <translation>Choose your name from the list or type a new one and press Enter</translation>
    </message>
    <message>
        <source>Leer la señal|Dibujar la señal</source>
        <translation>Read the signal|Draw the signal</translation>
    </message>
    <message>
        <source>Modo</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Leer los bits de una señal dibujada, o dibujar la señal de unos bits</source>
        <translation>Read the bits of a drawn signal, or draw the signal of some bits</translation>
    </message>
    <message>
        <source>Códigos que se preguntan:</source>
        <translation>Codes asked:</translation>
    </message>
    <message>
        <source>Códigos</source>
        <translation>Codes</translation>
    </message>
    <message>
        <source>Marca los códigos que pueden salir en los ejercicios</source>
        <translation>Tick the codes that may come up in the exercises</translation>
    </message>
    <message>
        <source>8 bits|12 bits|16 bits|24 bits|32 bits</source>
        <translation>8 bits|12 bits|16 bits|24 bits|32 bits</translation>
    </message>
    <message>
        <source>Longitud</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Bits de cada ejercicio</source>
        <translation>Bits in each exercise</translation>
    </message>
    <message>
        <source>Exportar preguntas para Moodle…</source>
        <translation>Export questions for Moodle…</translation>
    </message>
    <message>
        <source>Exportar preguntas para Moodle</source>
        <translation>Export questions for Moodle</translation>
    </message>
    <message>
        <source>Escribe un banco de preguntas de los códigos marcados para importarlo en Moodle</source>
        <translation>Writes a question bank of the ticked codes to import into Moodle</translation>
    </message>
    <message>
        <source>Lo que se pide</source>
        <translation>What is asked</translation>
    </message>
    <message>
        <source>Qué hay que hacer en este ejercicio</source>
        <translation>What to do in this exercise</translation>
    </message>
    <message>
        <source>Estado inicial</source>
        <translation>Starting state</translation>
    </message>
    <message>
        <source>Cómo estaba la línea antes del primer bit</source>
        <translation>How the line was before the first bit</translation>
    </message>
    <message>
        <source>Dibujo</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>La señal que se lee, o donde se dibuja: las flechas mueven el cursor y cambian el nivel, y un clic cambia el nivel de medio bit</source>
        <translation>The signal to read, or where to draw it: the arrows move the cursor and change the level, and a click changes a half-bit&apos;s level</translation>
    </message>
    <message>
        <source>Respuesta:</source>
        <translation>Answer:</translation>
    </message>
    <message>
        <source>Respuesta</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Los bits leídos, o sus cifras hexadecimales; los espacios no cuentan</source>
        <translation>The bits read, or their hexadecimal digits; spaces do not count</translation>
    </message>
    <message>
        <source>Nuevo ejercicio</source>
        <translation>New exercise</translation>
    </message>
    <message>
        <source>Comprobar</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Corrige la respuesta y la cuenta para el alumno</source>
        <translation>Marks the answer and counts it for the student</translation>
    </message>
    <message>
        <source>Solución</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Muestra la solución; la respuesta ya no cuenta</source>
        <translation>Shows the solution; the answer no longer counts</translation>
    </message>
    <message>
        <source>Veredicto</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Si la respuesta es correcta y, si no, dónde y por qué</source>
        <translation>Whether the answer is right and, if not, where and why</translation>
    </message>
</context>
<context>
    <name>entrenador::DibujoEntrenador</name>
    <message>
        <source>Bits</source>
        <translation>Bits</translation>
    </message>
    <message>
        <source>Reloj</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>Señal %1 de %2 bits</source>
        <translation>%1 signal of %2 bits</translation>
    </message>
    <message>
        <source>sin dibujar</source>
        <translation>not drawn</translation>
    </message>
    <message>
        <source>. Bit %1, primera mitad: %2</source>
        <translation>. Bit %1, first half: %2</translation>
    </message>
    <message>
        <source>. Bit %1, segunda mitad: %2</source>
        <translation>. Bit %1, second half: %2</translation>
    </message>
</context>
<context>
    <name>entrenador::Entrenamiento</name>
    <message>
        <source>Escribe los %1 bits, o sus %2 cifras hexadecimales.</source>
        <translation>Type the %1 bits, or their %2 hexadecimal digits.</translation>
    </message>
    <message>
        <source>Trampa, trampa, miraste la solución</source>
        <translation>Cheat, cheat, you looked at the solution</translation>
    </message>
    <message>
        <source>Correcto.</source>
        <translation>Right.</translation>
    </message>
    <message>
        <source>Incorrecto: %1 de %2 bits mal leídos.</source>
        <translation>Wrong: %1 of %2 bits misread.</translation>
    </message>
    <message>
        <source>Incorrecto en el bit %1, primera mitad: %2. Medios bits mal: %3.</source>
        <translation>Wrong at bit %1, first half: %2. Half-bits wrong: %3.</translation>
    </message>
    <message>
        <source>Incorrecto en el bit %1, segunda mitad: %2. Medios bits mal: %3.</source>
        <translation>Wrong at bit %1, second half: %2. Half-bits wrong: %3.</translation>
    </message>
</context>
<context>
    <name>entrenador::VentanaEntrenador</name>
    <message>
        <source>Lee la señal %1 de %2 bits y escribe sus bits o su valor hexadecimal.</source>
        <translation>Read the %1 signal of %2 bits and type its bits or its hexadecimal value.</translation>
    </message>
    <message>
        <source>Dibuja la señal %1 de %2.</source>
        <translation>Draw the %1 signal of %2.</translation>
    </message>
    <message>
        <source>La señal no depende de cómo estaba la línea antes.</source>
        <translation>The signal does not depend on how the line was before.</translation>
    </message>
    <message>
        <source>Antes del primer bit: %1.</source>
        <translation>Before the first bit: %1.</translation>
    </message>
    <message>
        <source>Solución: %1 (%2 en hexadecimal).</source>
        <translation>Solution: %1 (%2 in hexadecimal).</translation>
    </message>
    <message>
        <source>Solución: la línea gris.</source>
        <translation>Solution: the grey line.</translation>
    </message>
    <message>
        <source>Has de introducir un alumno o elegir uno de la lista</source>
        <translation>You must type a student or choose one from the list</translation>
    </message>
    <message>
        <source>Exportar preguntas para Moodle</source>
        <translation>Export questions for Moodle</translation>
    </message>
    <message>
        <source>Moodle XML (*.xml)</source>
        <translation>Moodle XML (*.xml)</translation>
    </message>
    <message>
        <source>No se pudieron exportar las preguntas a «%1»: %2.</source>
        <translation>Could not export the questions to “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>formatos</name>
    <message>
        <source>no es un fichero normal</source>
        <translation>is not a regular file</translation>
    </message>
    <message>
        <source>el fichero es demasiado grande (más de %1 bytes)</source>
        <translation>the file is too large (more than %1 bytes)</translation>
    </message>
    <message>
        <source>no se pudo preparar el contenido</source>
        <translation>could not prepare the contents</translation>
    </message>
    <message>
        <source>no queda espacio en el disco</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>se ha agotado la cuota de disco</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>permiso denegado</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>el disco es de solo lectura</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>una parte de la ruta no es una carpeta</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>es una carpeta, no un fichero</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>el fichero sería demasiado grande</source>
        <translation>the file would be too large</translation>
    </message>
    <message>
        <source>el nombre es demasiado largo</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>error de lectura o escritura en el disco</source>
        <translation>read or write error on the disk</translation>
    </message>
    <message>
        <source>es un enlace simbólico, y por seguridad no se sigue</source>
        <translation>it is a symbolic link, and for safety it is not followed</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>más de %L1 caracteres</source>
        <translation>more than %L1 characters</translation>
    </message>
    <message>
        <source>[La ayuda se muestra hasta aquí: el documento pasa de lo que esta ventana puede mostrar (%1).]</source>
        <translation>[The help is shown up to here: the document is more than this window can show (%1).]</translation>
    </message>
    <message>
        <source>más de %L1 párrafos</source>
        <translation>more than %L1 paragraphs</translation>
    </message>
    <message>
        <source>una tabla de más de %L1 celdas</source>
        <translation>a table of more than %L1 cells</translation>
    </message>
    <message>
        <source>más de %L1 celdas de tabla</source>
        <translation>more than %L1 table cells</translation>
    </message>
    <message>
        <source>imágenes de más de %L1 megapíxeles en total</source>
        <translation>pictures of more than %L1 megapixels in all</translation>
    </message>
    <message>
        <source>el fichero o su carpeta ya no está (otro puesto o el servidor lo ha quitado)</source>
        <translation>the file or its folder is no longer there (another desk or the server has removed it)</translation>
    </message>
    <message>
        <source>el fichero está abierto en otro puesto y ahora no se puede cambiar</source>
        <translation>the file is open on another desk and cannot be changed now</translation>
    </message>
    <message>
        <source>la carpeta compartida no admite esta operación</source>
        <translation>the shared folder does not support this operation</translation>
    </message>
    <message>
        <source>el servidor ha cambiado el fichero mientras se usaba</source>
        <translation>the server changed the file while it was in use</translation>
    </message>
    <message>
        <source>se ha perdido la conexión con el servidor de la carpeta</source>
        <translation>the connection to the folder&apos;s server was lost</translation>
    </message>
    <message>
        <source>ya hay un fichero con ese nombre</source>
        <translation>there is already a file of that name</translation>
    </message>
    <message>
        <source>error inesperado del sistema (%1, número %2)</source>
        <translation>unexpected system error (%1, number %2)</translation>
    </message>
</context>
<context>
    <name>formularios</name>
    <message>
        <source>Sí</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>inicio</name>
    <message>
        <source>Durante el examen «%1» el laboratorio y el entrenador están cerrados.</source>
        <translation>During the exam “%1” the laboratory and the trainer are closed.</translation>
    </message>
</context>
<context>
    <name>lab</name>
    <message>
        <source>Laboratorio de códigos</source>
        <translation>Code laboratory</translation>
    </message>
    <message>
        <source>Entrada:</source>
        <translation>Input:</translation>
    </message>
    <message>
        <source>Bits|Hexadecimal|Texto</source>
        <translation>Bits|Hexadecimal|Text</translation>
    </message>
    <message>
        <source>Forma de la entrada</source>
        <translation>Input form</translation>
    </message>
    <message>
        <source>Si la entrada se escribe en bits, en cifras hexadecimales o como texto</source>
        <translation>Whether the input is written in bits, in hexadecimal digits or as text</translation>
    </message>
    <message>
        <source>Entrada</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>De 1 a 4096 bits que se codifican; los espacios se ignoran</source>
        <translation>From 1 to 4096 bits to encode; spaces are ignored</translation>
    </message>
    <message>
        <source>Pista</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Cuántos bits hay, o por qué se rechazó un carácter</source>
        <translation>How many bits there are, or why a character was refused</translation>
    </message>
    <message>
        <source>Códigos:</source>
        <translation>Codes:</translation>
    </message>
    <message>
        <source>Códigos</source>
        <translation>Codes</translation>
    </message>
    <message>
        <source>Marca los códigos que se dibujan; el elegido es el de la tabla de pasos</source>
        <translation>Tick the codes to draw; the chosen one is the one in the step table</translation>
    </message>
    <message>
        <source>Estado inicial</source>
        <translation>Starting state</translation>
    </message>
    <message>
        <source>Último pulso negativo|Último pulso positivo</source>
        <translation>Last pulse negative|Last pulse positive</translation>
    </message>
    <message>
        <source>Último pulso</source>
        <translation>Last pulse</translation>
    </message>
    <message>
        <source>Signo del último pulso antes del primer bit (AMI, pseudoternario, HDB3, B8ZS, CMI)</source>
        <translation>Sign of the last pulse before the first bit (AMI, pseudoternary, HDB3, B8ZS, CMI)</translation>
    </message>
    <message>
        <source>Nivel inicial bajo|Nivel inicial cero (MLT-3)|Nivel inicial alto</source>
        <translation>Starting level low|Starting level zero (MLT-3)|Starting level high</translation>
    </message>
    <message>
        <source>Nivel inicial</source>
        <translation>Starting level</translation>
    </message>
    <message>
        <source>Nivel de la línea antes del primer bit (NRZI, Manchester diferencial, MLT-3)</source>
        <translation>Level of the line before the first bit (NRZI, differential Manchester, MLT-3)</translation>
    </message>
    <message>
        <source>Paridad HDB3 par|Paridad HDB3 impar</source>
        <translation>HDB3 parity even|HDB3 parity odd</translation>
    </message>
    <message>
        <source>Paridad HDB3</source>
        <translation>HDB3 parity</translation>
    </message>
    <message>
        <source>Paridad de las marcas desde la última violación, para HDB3</source>
        <translation>Parity of the marks since the last violation, for HDB3</translation>
    </message>
    <message>
        <source>Señales de línea</source>
        <translation>Line signals</translation>
    </message>
    <message>
        <source>El reloj y cada código elegido; pulsa medio bit para meter un error de línea</source>
        <translation>The clock and each chosen code; click a half-bit to put in a line error</translation>
    </message>
    <message>
        <source>Decodificado:</source>
        <translation>Decoded:</translation>
    </message>
    <message>
        <source>Decodificado</source>
        <translation>Decoded</translation>
    </message>
    <message>
        <source>Los bits que el receptor lee en la línea del código elegido</source>
        <translation>The bits the receiver reads on the chosen code&apos;s line</translation>
    </message>
    <message>
        <source>Decodificado como la entrada</source>
        <translation>Decoded like the input</translation>
    </message>
    <message>
        <source>Lo que el receptor lee, en hexadecimal o como texto si así se escribió la entrada</source>
        <translation>What the receiver reads, in hexadecimal or as text if the input was written so</translation>
    </message>
    <message>
        <source>Errores</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>Los bits que un error de línea ha cambiado y cada violación que lo delata</source>
        <translation>The bits a line error has changed and each violation that gives it away</translation>
    </message>
    <message>
        <source>Convenio</source>
        <translation>Convention</translation>
    </message>
    <message>
        <source>Cómo codifica el código elegido</source>
        <translation>How the chosen code encodes</translation>
    </message>
    <message>
        <source>Pasos</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>Cada bit del código elegido: símbolo, nivel en cada mitad y motivo</source>
        <translation>Each bit of the chosen code: symbol, level in each half and reason</translation>
    </message>
    <message>
        <source>Escala lineal|Escala en dB</source>
        <translation>Linear scale|Scale in dB</translation>
    </message>
    <message>
        <source>Escala del espectro</source>
        <translation>Spectrum scale</translation>
    </message>
    <message>
        <source>Lineal, ajustada a la curva más alta, o en decibelios</source>
        <translation>Linear, fitted to the highest curve, or in decibels</translation>
    </message>
    <message>
        <source>Espectro</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>Densidad espectral de potencia de los códigos elegidos, de 0 a dos veces la velocidad binaria</source>
        <translation>Power spectral density of the chosen codes, from 0 to twice the bit rate</translation>
    </message>
    <message>
        <source>Línea</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Cable:</source>
        <translation>Cable:</translation>
    </message>
    <message>
        <source>Pérdida del cable</source>
        <translation>Cable loss</translation>
    </message>
    <message>
        <source>Pérdida del cable a la mitad de la velocidad binaria, de 0 a 40 dB; crece con la raíz de la frecuencia</source>
        <translation>Cable loss at half the bit rate, from 0 to 40 dB; it grows with the square root of frequency</translation>
    </message>
    <message>
        <source>0 dB</source>
        <translation>0 dB</translation>
    </message>
    <message>
        <source>Transformador:</source>
        <translation>Transformer:</translation>
    </message>
    <message>
        <source>Sin transformador|Corte al 0,1 % de la velocidad binaria|Corte al 1 % de la velocidad binaria|Corte al 5 % de la velocidad binaria</source>
        <translation>No transformer|Cut-off at 0.1 % of the bit rate|Cut-off at 1 % of the bit rate|Cut-off at 5 % of the bit rate</translation>
    </message>
    <message>
        <source>Transformador</source>
        <translation>Transformer</translation>
    </message>
    <message>
        <source>Acoplamiento por transformador: un paso alto de primer orden, o ninguno</source>
        <translation>Transformer coupling: a first-order high-pass, or none</translation>
    </message>
    <message>
        <source>Ruido:</source>
        <translation>Noise:</translation>
    </message>
    <message>
        <source>Sin ruido|Eb/N0 = 20 dB|Eb/N0 = 15 dB|Eb/N0 = 12 dB|Eb/N0 = 10 dB|Eb/N0 = 8 dB|Eb/N0 = 6 dB|Eb/N0 = 4 dB|Eb/N0 = 2 dB|Eb/N0 = 0 dB</source>
        <translation>No noise|Eb/N0 = 20 dB|Eb/N0 = 15 dB|Eb/N0 = 12 dB|Eb/N0 = 10 dB|Eb/N0 = 8 dB|Eb/N0 = 6 dB|Eb/N0 = 4 dB|Eb/N0 = 2 dB|Eb/N0 = 0 dB</translation>
    </message>
    <message>
        <source>Ruido</source>
        <translation>Noise</translation>
    </message>
    <message>
        <source>Ruido blanco gaussiano, como energía por bit frente a densidad de ruido, o ninguno</source>
        <translation>White Gaussian noise, as energy per bit against noise density, or none</translation>
    </message>
    <message>
        <source>Dibujar lo que llega al receptor y lo que decide</source>
        <translation>Draw what reaches the receiver and what it decides</translation>
    </message>
    <message>
        <source>Señal recibida</source>
        <translation>Received signal</translation>
    </message>
    <message>
        <source>Bajo cada código, la señal que llega tras la ganancia del receptor, sus umbrales y los bits que decide</source>
        <translation>Under each code, the signal that arrives after the receiver&apos;s gain, its thresholds and the bits it decides</translation>
    </message>
    <message>
        <source>Recuperar el reloj del código elegido</source>
        <translation>Recover the chosen code&apos;s clock</translation>
    </message>
    <message>
        <source>Reloj recuperado</source>
        <translation>Recovered clock</translation>
    </message>
    <message>
        <source>Bajo el reloj, el que recupera el receptor del código elegido, con sus deslizamientos</source>
        <translation>Under the clock, the one the receiver recovers from the chosen code, with its slips</translation>
    </message>
    <message>
        <source>Deslizamientos del reloj: 0</source>
        <translation>Clock slips: 0</translation>
    </message>
    <message>
        <source>Deslizamientos del reloj</source>
        <translation>Clock slips</translation>
    </message>
    <message>
        <source>Cuántas veces el reloj recuperado se desvía más de un cuarto de bit</source>
        <translation>How many times the recovered clock strays more than a quarter of a bit</translation>
    </message>
    <message>
        <source>Diagrama de ojo</source>
        <translation>Eye diagram</translation>
    </message>
    <message>
        <source>Lo que llega de cada bit del código elegido, superpuesto de dos en dos bits</source>
        <translation>What arrives of each bit of the chosen code, overlaid two bits at a time</translation>
    </message>
    <message>
        <source>Medidas del ojo</source>
        <translation>Eye measurements</translation>
    </message>
    <message>
        <source>Altura y anchura del ojo del código elegido</source>
        <translation>Height and width of the chosen code&apos;s eye</translation>
    </message>
    <message>
        <source>Tasa de errores</source>
        <translation>Error rate</translation>
    </message>
    <message>
        <source>Tasa de errores de bit de los códigos elegidos frente a Eb/N0: medida en puntos, teórica en curvas</source>
        <translation>Bit error rate of the chosen codes against Eb/N0: measured as points, theory as curves</translation>
    </message>
    <message>
        <source>Medir la tasa de errores</source>
        <translation>Measure the error rate</translation>
    </message>
    <message>
        <source>Mide la tasa de errores de los códigos elegidos por esta línea, de 0 a 12 dB de Eb/N0</source>
        <translation>Measures the error rate of the chosen codes through this line, from 0 to 12 dB of Eb/N0</translation>
    </message>
    <message>
        <source>Progreso de la medida</source>
        <translation>Measurement progress</translation>
    </message>
    <message>
        <source>Cuántos puntos de la tasa de errores se han medido</source>
        <translation>How many points of the error rate have been measured</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Cancelar la medida</source>
        <translation>Cancel the measurement</translation>
    </message>
    <message>
        <source>Para la medida; los puntos ya medidos se quedan</source>
        <translation>Stops the measurement; the points already measured stay</translation>
    </message>
</context>
<context>
    <name>laboratorio::DibujoCodigos</name>
    <message>
        <source>Reloj</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>Recuperado</source>
        <translation>Recovered</translation>
    </message>
    <message>
        <source>recibida</source>
        <translation>received</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>Bits</translation>
    </message>
</context>
<context>
    <name>laboratorio::GraficoBer</name>
    <message>
        <source>Tasa de errores: %1 bits por punto; la curva, la teoría.</source>
        <translation>Error rate: %1 bits per point; the curve, the theory.</translation>
    </message>
</context>
<context>
    <name>laboratorio::GraficoEspectro</name>
    <message>
        <source>densidad espectral (potencia media 1)</source>
        <translation>spectral density (mean power 1)</translation>
    </message>
    <message>
        <source>dB (potencia media 1)</source>
        <translation>dB (mean power 1)</translation>
    </message>
    <message>
        <source>Estimada con %1 bits al azar; a trazos, la fórmula teórica.</source>
        <translation>Estimated with %1 random bits; dashed, the theoretical formula.</translation>
    </message>
    <message>
        <source> (solo estimada)</source>
        <translation> (estimated only)</translation>
    </message>
</context>
<context>
    <name>laboratorio::GraficoOjo</name>
    <message>
        <source>Ojo de %1: %2 bits al azar, dos bits por trazo</source>
        <translation>Eye of %1: %2 random bits, two bits per trace</translation>
    </message>
</context>
<context>
    <name>laboratorio::ModeloPasos</name>
    <message>
        <source>Bit</source>
        <translation>Bit</translation>
    </message>
    <message>
        <source>Símbolo</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Nivel 1</source>
        <translation>Level 1</translation>
    </message>
    <message>
        <source>Nivel 2</source>
        <translation>Level 2</translation>
    </message>
    <message>
        <source>Motivo</source>
        <translation>Reason</translation>
    </message>
</context>
<context>
    <name>laboratorio::PanelLinea</name>
    <message>
        <source>Sin el ruido, el ojo está cerrado: el receptor se equivoca.</source>
        <translation>Without the noise, the eye is closed: the receiver makes mistakes.</translation>
    </message>
    <message>
        <source>El ojo está cerrado: el receptor se equivoca.</source>
        <translation>The eye is closed: the receiver makes mistakes.</translation>
    </message>
    <message>
        <source>Sin el ruido, altura del ojo: %1 · anchura: %2 del bit</source>
        <translation>Without the noise, eye height: %1 · width: %2 of the bit</translation>
    </message>
    <message>
        <source>Altura del ojo: %1 · anchura: %2 del bit</source>
        <translation>Eye height: %1 · width: %2 of the bit</translation>
    </message>
    <message>
        <source>Deslizamientos del reloj: %1</source>
        <translation>Clock slips: %1</translation>
    </message>
</context>
<context>
    <name>laboratorio::VentanaLaboratorio</name>
    <message>
        <source>error de línea en la primera mitad</source>
        <translation>line error in the first half</translation>
    </message>
    <message>
        <source>error de línea en la segunda mitad</source>
        <translation>line error in the second half</translation>
    </message>
    <message>
        <source>el receptor decide mal la primera mitad</source>
        <translation>the receiver decides the first half wrong</translation>
    </message>
    <message>
        <source>el receptor decide mal la segunda mitad</source>
        <translation>the receiver decides the second half wrong</translation>
    </message>
    <message>
        <source>Escribe de 1 a %1 bits.</source>
        <translation>Type from 1 to %1 bits.</translation>
    </message>
    <message>
        <source>%1 bits.</source>
        <translation>%1 bits.</translation>
    </message>
    <message>
        <source>Para verlos en hexadecimal, los bits han de ser un múltiplo de 4.</source>
        <translation>To see them in hexadecimal, the bits must be a multiple of 4.</translation>
    </message>
    <message>
        <source>Para verlos como texto, los bits han de ser bytes enteros de caracteres visibles.</source>
        <translation>To see them as text, the bits must be whole bytes of visible characters.</translation>
    </message>
    <message>
        <source>La línea hace que el receptor decida mal %1 medios bits. </source>
        <translation>The line makes the receiver decide %1 half-bits wrong. </translation>
    </message>
    <message>
        <source>Bits erróneos: %1.</source>
        <translation>Wrong bits: %1.</translation>
    </message>
    <message>
        <source>No cambia ningún bit.</source>
        <translation>No bit changes.</translation>
    </message>
    <message>
        <source>El error no cambia ningún bit.</source>
        <translation>The error changes no bit.</translation>
    </message>
    <message>
        <source> Detectado: %1.</source>
        <translation> Detected: %1.</translation>
    </message>
    <message>
        <source> El receptor no ve ninguna violación.</source>
        <translation> The receiver sees no violation.</translation>
    </message>
    <message>
        <source> Este código no detecta errores de línea.</source>
        <translation> This code does not detect line errors.</translation>
    </message>
</context>
<context>
    <name>linea</name>
    <message>
        <source>uso: tramavox --ber --codigo CÓDIGO --ebn0 0,2,4 [--bits 200000] [--semilla S] [--perdida DB] [--acoplamiento F]</source>
        <translation>usage: tramavox --ber --codigo CODE --ebn0 0,2,4 [--bits 200000] [--semilla S] [--perdida DB] [--acoplamiento F]</translation>
    </message>
    <message>
        <source>a «%1» le falta su valor</source>
        <translation>“%1” is missing its value</translation>
    </message>
    <message>
        <source>«%1» no es un código</source>
        <translation>“%1” is not a code</translation>
    </message>
    <message>
        <source>«%1» no es un Eb/N0 en dB</source>
        <translation>“%1” is not an Eb/N0 in dB</translation>
    </message>
    <message>
        <source>los bits han de ser de 1 a %1</source>
        <translation>the bits must be from 1 to %1</translation>
    </message>
    <message>
        <source>la semilla ha de ser un número entero positivo</source>
        <translation>the seed must be a positive whole number</translation>
    </message>
    <message>
        <source>la pérdida del cable ha de ser de 0 a %1 dB</source>
        <translation>the cable loss must be from 0 to %1 dB</translation>
    </message>
    <message>
        <source>el corte del acoplamiento ha de ser una fracción de la velocidad binaria de 0 a %1</source>
        <translation>the coupling cut-off must be a fraction of the bit rate from 0 to %1</translation>
    </message>
    <message>
        <source>no se conoce la opción «%1»</source>
        <translation>unknown option “%1”</translation>
    </message>
    <message>
        <source>falta el código (--codigo)</source>
        <translation>the code is missing (--codigo)</translation>
    </message>
    <message>
        <source>faltan los valores de Eb/N0 (--ebn0)</source>
        <translation>the Eb/N0 values are missing (--ebn0)</translation>
    </message>
</context>
<context>
    <name>preguntas</name>
    <message>
        <source>&lt;p&gt;Antes del primer bit: %1.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Before the first bit: %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1: leer %2 bits (%3)</source>
        <translation>%1: read %2 bits (%3)</translation>
    </message>
    <message>
        <source>&lt;p&gt;Este dibujo es la señal %1 de %2 bits, con el reloj encima.&lt;/p&gt;%3&lt;p&gt;&lt;img src=&quot;@@PLUGINFILE@@/%4&quot; alt=&quot;Señal %1 de %2 bits&quot;&gt;&lt;/p&gt;&lt;p&gt;Escribe los bits, o su valor en hexadecimal.&lt;/p&gt;</source>
        <translation>&lt;p&gt;This drawing is the %1 signal of %2 bits, with the clock above.&lt;/p&gt;%3&lt;p&gt;&lt;img src=&quot;@@PLUGINFILE@@/%4&quot; alt=&quot;%1 signal of %2 bits&quot;&gt;&lt;/p&gt;&lt;p&gt;Type the bits, or their value in hexadecimal.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Los bits son %1 (%2 en hexadecimal).&lt;/p&gt;</source>
        <translation>&lt;p&gt;The bits are %1 (%2 in hexadecimal).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1: elegir la señal de %2 bits (%3)</source>
        <translation>%1: choose the signal of %2 bits (%3)</translation>
    </message>
    <message>
        <source>&lt;p&gt;¿Cuál es la señal %1 de %2?&lt;/p&gt;%3</source>
        <translation>&lt;p&gt;Which is the %1 signal of %2?&lt;/p&gt;%3</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;img src=&quot;@@PLUGINFILE@@/%1&quot; alt=&quot;Una señal de %2 bits&quot;&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;img src=&quot;@@PLUGINFILE@@/%1&quot; alt=&quot;A signal of %2 bits&quot;&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Correcto.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Right.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>uso: tramavox --moodle FICHERO [--preguntas N] [--codigos HDB3,AMI,…] [--bits 16] [--semilla S]</source>
        <translation>usage: tramavox --moodle FILE [--preguntas N] [--codigos HDB3,AMI,…] [--bits 16] [--semilla S]</translation>
    </message>
    <message>
        <source>«%1» no es un código; los códigos son %2</source>
        <translation>“%1” is not a code; the codes are %2</translation>
    </message>
    <message>
        <source>falta el fichero de preguntas que se ha de escribir</source>
        <translation>the question file to write is missing</translation>
    </message>
    <message>
        <source>a «%1» le falta su valor</source>
        <translation>“%1” is missing its value</translation>
    </message>
    <message>
        <source>el número de preguntas ha de ser de 1 a %1</source>
        <translation>the number of questions must be from 1 to %1</translation>
    </message>
    <message>
        <source>los bits han de ser un múltiplo de 4 de %1 a %2 (cada cifra hexadecimal son 4)</source>
        <translation>the bits must be a multiple of 4 from %1 to %2 (each hexadecimal digit is 4)</translation>
    </message>
    <message>
        <source>la semilla ha de ser un número entero positivo</source>
        <translation>the seed must be a positive whole number</translation>
    </message>
    <message>
        <source>no se conoce la opción «%1»</source>
        <translation>unknown option “%1”</translation>
    </message>
    <message>
        <source>tramavox: no se pudo escribir «%1»: %2.</source>
        <translation>tramavox: could not write “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>principal</name>
    <message>
        <source>reloj</source>
        <translation>clock</translation>
    </message>
    <message>
        <source>Forma de onda de 16 bits: %1</source>
        <translation>16-bit waveform: %1</translation>
    </message>
    <message>
        <source>ninguna señal a la vista</source>
        <translation>no signal shown</translation>
    </message>
    <message>
        <source>Sistemas de Telefonía (Tramavox)</source>
        <translation>Telephony Systems (Tramavox)</translation>
    </message>
    <message>
        <source>Dibujo de las señales</source>
        <translation>Drawing of the signals</translation>
    </message>
    <message>
        <source>El reloj y las formas de onda NRZ, RZ, AMI y HDB3 del número; cada casilla de la rejilla es un bit</source>
        <translation>The clock and the NRZ, RZ, AMI and HDB3 waveforms of the number; each square of the grid is a bit</translation>
    </message>
    <message>
        <source>Nombres de las señales</source>
        <translation>Signal names</translation>
    </message>
    <message>
        <source>Pulsa el nombre de una señal para mostrarla u ocultarla</source>
        <translation>Click a signal&apos;s name to show or hide it</translation>
    </message>
    <message>
        <source>RZ</source>
        <translation>RZ</translation>
    </message>
    <message>
        <source>Señal RZ</source>
        <translation>RZ signal</translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal RZ</source>
        <translation>Click to show or hide the RZ signal</translation>
    </message>
    <message>
        <source>NRZ</source>
        <translation>NRZ</translation>
    </message>
    <message>
        <source>Señal NRZ</source>
        <translation>NRZ signal</translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal NRZ</source>
        <translation>Click to show or hide the NRZ signal</translation>
    </message>
    <message>
        <source>CLK</source>
        <translation>CLK</translation>
    </message>
    <message>
        <source>Señal CLK</source>
        <translation>CLK signal</translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal CLK</source>
        <translation>Click to show or hide the CLK signal</translation>
    </message>
    <message>
        <source>AMI</source>
        <translation>AMI</translation>
    </message>
    <message>
        <source>Señal AMI</source>
        <translation>AMI signal</translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal AMI</source>
        <translation>Click to show or hide the AMI signal</translation>
    </message>
    <message>
        <source>HDB3</source>
        <translation>HDB3</translation>
    </message>
    <message>
        <source>Señal HDB3</source>
        <translation>HDB3 signal</translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal HDB3</source>
        <translation>Click to show or hide the HDB3 signal</translation>
    </message>
    <message>
        <source>Periodo </source>
        <translation>Period </translation>
    </message>
    <message>
        <source>Periodo de bit</source>
        <translation>Bit period</translation>
    </message>
    <message>
        <source>Ancho de un bit en el dibujo, de 1 a 10; se mueve con las flechas</source>
        <translation>Width of a bit in the drawing, from 1 to 10; the arrows move it</translation>
    </message>
    <message>
        <source>Número</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>0000</source>
        <translation>0000</translation>
    </message>
    <message>
        <source>Número hexadecimal</source>
        <translation>Hexadecimal number</translation>
    </message>
    <message>
        <source>Escribe cifras hexadecimales en cualquier parte de la ventana; entran por la derecha</source>
        <translation>Type hexadecimal digits anywhere in the window; they come in from the right</translation>
    </message>
    <message>
        <source>Hexa.</source>
        <translation>Hex.</translation>
    </message>
    <message>
        <source>000000000000000</source>
        <translation>000000000000000</translation>
    </message>
    <message>
        <source>Número en binario</source>
        <translation>Number in binary</translation>
    </message>
    <message>
        <source>Los 16 bits del número</source>
        <translation>The number&apos;s 16 bits</translation>
    </message>
    <message>
        <source>Binario</source>
        <translation>Binary</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Vuelve el número a 0000</source>
        <translation>Sets the number back to 0000</translation>
    </message>
    <message>
        <source>Cadena HDB3</source>
        <translation>HDB3 string</translation>
    </message>
    <message>
        <source>Los símbolos HDB3 de ocho copias del número, con sus sustituciones B y V</source>
        <translation>The HDB3 symbols of eight copies of the number, with their B and V substitutions</translation>
    </message>
    <message>
        <source>¿A qué número hexadecimal se corresponde el código que se muestra?</source>
        <translation>Which hexadecimal number does the code shown stand for?</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Reloj</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>AMI RZ</source>
        <translation>AMI RZ</translation>
    </message>
    <message>
        <source>HBD3 RZ</source>
        <translation>HBD3 RZ</translation>
    </message>
    <message>
        <source>Ver todos</source>
        <translation>Show all</translation>
    </message>
    <message>
        <source>Ocultar todos</source>
        <translation>Hide all</translation>
    </message>
    <message>
        <source>Ampliar</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Reducir</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Tamaño normal</source>
        <translation>Normal size</translation>
    </message>
    <message>
        <source>Ampliación: 100 %</source>
        <translation>Zoom: 100 %</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Català</source>
        <translation>Català</translation>
    </message>
    <message>
        <source>Galego</source>
        <translation>Galego</translation>
    </message>
    <message>
        <source>Euskara</source>
        <translation>Euskara</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Utilidades</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Proponer ejercicio</source>
        <translation>Propose exercise</translation>
    </message>
    <message>
        <source>Laboratorio de códigos…</source>
        <translation>Code laboratory…</translation>
    </message>
    <message>
        <source>Entrenador de códigos…</source>
        <translation>Code trainer…</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Acerca de ...</source>
        <translation>About ...</translation>
    </message>
    <message>
        <source>Ayuda ...</source>
        <translation>Help ...</translation>
    </message>
</context>
<context>
    <name>principal::VentanaPrincipal</name>
    <message>
        <source>Ampliación: %1 %</source>
        <translation>Zoom: %1 %</translation>
    </message>
    <message>
        <source>Copiar imagen</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Guardar imagen…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Guardar imagen</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png);;Dibujo vectorial SVG (*.svg)</source>
        <translation>PNG image (*.png);;SVG vector drawing (*.svg)</translation>
    </message>
    <message>
        <source>No se pudo guardar la imagen en «%1»: %2.</source>
        <translation>Could not save the picture in “%1”: %2.</translation>
    </message>
</context>
</TS>
