<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="es">
<context>
    <name>Ejerc</name>
    <message>
        <source>Ejercicios</source>
        <translation>Exercicis</translation>
    </message>
    <message>
        <source>Estadísticas</source>
        <translation>Estadístiques</translation>
    </message>
    <message>
        <source>Barra de aciertos</source>
        <translation>Barra d&apos;encerts</translation>
    </message>
    <message>
        <source>El porcentaje de aciertos del alumno elegido</source>
        <translation>El percentatge d&apos;encerts de l&apos;alumne triat</translation>
    </message>
    <message>
        <source>Detalles</source>
        <translation>Detalls</translation>
    </message>
    <message>
        <source>Abre la vista de toda la clase para el profesor</source>
        <translation>Obre la vista de tota la classe per al professor</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Borra las estadísticas del alumno elegido, tras confirmarlo</source>
        <translation>Esborra les estadístiques de l&apos;alumne triat, després de confirmar-ho</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Porcentaje de aciertos</source>
        <translation>Percentatge d&apos;encerts</translation>
    </message>
    <message>
        <source>Estadística del alumno elegido</source>
        <translation>Estadística de l&apos;alumne triat</translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation>Encerts</translation>
    </message>
    <message>
        <source>Errores</source>
        <translation>Errors</translation>
    </message>
    <message>
        <source>Total de respuestas</source>
        <translation>Total de respostes</translation>
    </message>
    <message>
        <source>Introduce tu nombre</source>
        <translation>Escriu el teu nom</translation>
    </message>
    <message>
        <source>Alumno</source>
        <translation>Alumne</translation>
    </message>
    <message>
        <source>Escribe tu nombre y pulsa Intro, o elige uno de la lista</source>
        <translation>Escriu el teu nom i prem Retorn, o tria&apos;n un de la llista</translation>
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
        <translation>Alumne:</translation>
    </message>
    <message>
        <source>Respuesta</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>0000</source>
        <translation>0000</translation>
    </message>
    <message>
        <source>Escribe las cifras hexadecimales del número que lees en el dibujo</source>
        <translation>Escriu les xifres hexadecimals del nombre que llegeixes al dibuix</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Comprueba la respuesta y la cuenta para el alumno</source>
        <translation>Comprova la resposta i la compta per a l&apos;alumne</translation>
    </message>
    <message>
        <source>Código a  ejercitar</source>
        <translation>Codi a exercitar</translation>
    </message>
    <message>
        <source>NRZ</source>
        <translation>NRZ</translation>
    </message>
    <message>
        <source>Código que se dibuja en los ejercicios</source>
        <translation>Codi que es dibuixa als exercicis</translation>
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
        <translation>Aleatori</translation>
    </message>
    <message>
        <source>Proponer</source>
        <translation>Proposa</translation>
    </message>
    <message>
        <source>Propone un ejercicio nuevo</source>
        <translation>Proposa un exercici nou</translation>
    </message>
    <message>
        <source>Solución</source>
        <translation>Solució</translation>
    </message>
    <message>
        <source>Muestra el número; la respuesta ya no cuenta</source>
        <translation>Mostra el nombre; la resposta ja no compta</translation>
    </message>
    <message>
        <source>Periodo </source>
        <translation>Període </translation>
    </message>
    <message>
        <source>Periodo de bit</source>
        <translation>Període de bit</translation>
    </message>
    <message>
        <source>Ancho de un bit en el dibujo de la ventana principal</source>
        <translation>Amplada d&apos;un bit al dibuix de la finestra principal</translation>
    </message>
    <message>
        <source>Text1</source>
        <translation>Text1</translation>
    </message>
    <message>
        <source>Teclado de la respuesta</source>
        <translation>Teclat de la resposta</translation>
    </message>
    <message>
        <source>Tras elegir alumno, las cifras tecleadas van a la respuesta</source>
        <translation>Després de triar alumne, les xifres teclejades van a la resposta</translation>
    </message>
    <message>
        <source>La respuesta es incorrecta</source>
        <translation>La resposta és incorrecta</translation>
    </message>
    <message>
        <source>Examen</source>
        <translation>Examen</translation>
    </message>
    <message>
        <source>La pregunta del examen y el tiempo que queda</source>
        <translation>La pregunta de l&apos;examen i el temps que queda</translation>
    </message>
</context>
<context>
    <name>acerca</name>
    <message>
        <source>Acerca de Tramavox</source>
        <translation>Quant a Tramavox</translation>
    </message>
    <message>
        <source>Imagen y ciclo formativo del programa</source>
        <translation>Imatge i cicle formatiu del programa</translation>
    </message>
    <message>
        <source>Imagen del aula</source>
        <translation>Imatge de l&apos;aula</translation>
    </message>
    <message>
        <source>Alumnos en los bancos de un laboratorio de telefonía</source>
        <translation>Alumnes als bancs d&apos;un laboratori de telefonia</translation>
    </message>
    <message>
        <source>    Ciclo Formativo de Grado Superior   Sistemas de Telecomunicación e Informáticos.</source>
        <translation>    Cicle Formatiu de Grau Superior   Sistemes de Telecomunicació i Informàtics.</translation>
    </message>
    <message>
        <source>Descripción del programa</source>
        <translation>Descripció del programa</translation>
    </message>
    <message>
        <source>Para qué y para quién se hizo el programa</source>
        <translation>Per a què i per a qui es va fer el programa</translation>
    </message>
    <message>
        <source>Programa y dibujos: equipo Tramavox</source>
        <translation>Programa i dibuixos: equip Tramavox</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Cierra esta ventana</source>
        <translation>Tanca aquesta finestra</translation>
    </message>
    <message>
        <source>Sistemas de Telefonía</source>
        <translation>Sistemes de Telefonia</translation>
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
        <translation>Programa d&apos;exercici dels codis <byte value="xd"/>
de dades sèrie usats en telefonia desenvolupat per al mòdul <byte value="xd"/>
d&apos;iniciació professional &quot;Sistemes <byte value="xd"/>
de Telefonia&quot;, que pertany al <byte value="xd"/>
cicle formatiu de grau superior <byte value="xd"/>
&quot;Sistemes de Telecomunicació i <byte value="xd"/>
Informàtics&quot;.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>almacen</name>
    <message>
        <source>las cuentas no son dos números enteros positivos</source>
        <translation>els comptes no són dos nombres enters positius</translation>
    </message>
    <message>
        <source>tiene más aciertos (%1) que respuestas (%2)</source>
        <translation>té més encerts (%1) que respostes (%2)</translation>
    </message>
    <message>
        <source>está en blanco</source>
        <translation>està en blanc</translation>
    </message>
    <message>
        <source>tiene caracteres nulos</source>
        <translation>té caràcters nuls</translation>
    </message>
    <message>
        <source>no tiene nombre</source>
        <translation>no té nom</translation>
    </message>
    <message>
        <source>el nombre pasa de %1 caracteres</source>
        <translation>el nom passa de %1 caràcters</translation>
    </message>
    <message>
        <source>línea %1: %2</source>
        <translation>línia %1: %2</translation>
    </message>
    <message>
        <source>El nombre no puede pasar de %1 caracteres.</source>
        <translation>El nom no pot passar de %1 caràcters.</translation>
    </message>
    <message>
        <source>El nombre no puede llevar «%1»: el fichero de notas no puede guardarlo.</source>
        <translation>El nom no pot portar «%1»: el fitxer de notes no el pot desar.</translation>
    </message>
    <message>
        <source>«%1» no es una carpeta</source>
        <translation>«%1» no és una carpeta</translation>
    </message>
    <message>
        <source>no se puede crear en ella la carpeta de los registros «%1»: %2</source>
        <translation>no s&apos;hi pot crear la carpeta dels registres «%1»: %2</translation>
    </message>
    <message>
        <source>no se puede crear en ella el registro de este puesto: %1</source>
        <translation>no s&apos;hi pot crear el registre d&apos;aquest lloc: %1</translation>
    </message>
    <message>
        <source>la carpeta compartida no garantiza que un fichero nuevo sea solo del puesto que lo crea</source>
        <translation>la carpeta compartida no garanteix que un fitxer nou sigui només del lloc que el crea</translation>
    </message>
    <message>
        <source>no se pudo leer «%1»: %2</source>
        <translation>no s&apos;ha pogut llegir «%1»: %2</translation>
    </message>
    <message>
        <source>no se pudo guardar la copia del historial: %1</source>
        <translation>no s&apos;ha pogut desar la còpia de l&apos;historial: %1</translation>
    </message>
    <message>
        <source>el registro de este puesto no está abierto</source>
        <translation>el registre d&apos;aquest lloc no està obert</translation>
    </message>
    <message>
        <source>«%1» ya no está en la clase: otro puesto lo ha borrado</source>
        <translation>«%1» ja no és a la classe: un altre lloc l&apos;ha esborrat</translation>
    </message>
    <message>
        <source>el fichero de la contraseña del profesor «%1» está dañado</source>
        <translation>el fitxer de la contrasenya del professor «%1» està malmès</translation>
    </message>
    <message>
        <source>la contraseña actual no es la del profesor</source>
        <translation>la contrasenya actual no és la del professor</translation>
    </message>
    <message>
        <source>la contraseña ha de tener al menos %1 caracteres</source>
        <translation>la contrasenya ha de tenir almenys %1 caràcters</translation>
    </message>
    <message>
        <source>no se puede usar la biblioteca de cifrado</source>
        <translation>no es pot fer servir la biblioteca de xifratge</translation>
    </message>
    <message>
        <source>no hay memoria bastante para cifrar la contraseña</source>
        <translation>no hi ha prou memòria per xifrar la contrasenya</translation>
    </message>
    <message>
        <source>El examen ha de tener un nombre.</source>
        <translation>L&apos;examen ha de tenir un nom.</translation>
    </message>
    <message>
        <source>Elige al menos un código para el examen.</source>
        <translation>Tria almenys un codi per a l&apos;examen.</translation>
    </message>
    <message>
        <source>El examen ha de tener de 1 a %1 preguntas.</source>
        <translation>L&apos;examen ha de tenir d&apos;1 a %1 preguntes.</translation>
    </message>
    <message>
        <source>El examen ha de durar de 1 a %1 minutos.</source>
        <translation>L&apos;examen ha de durar d&apos;1 a %1 minuts.</translation>
    </message>
</context>
<context>
    <name>ayu</name>
    <message>
        <source>Ayuda</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>RichTextBox1</source>
        <translation>RichTextBox1</translation>
    </message>
    <message>
        <source>Texto de ayuda</source>
        <translation>Text d&apos;ajuda</translation>
    </message>
    <message>
        <source>Cómo se usa el programa y la teoría de los códigos de línea</source>
        <translation>Com s&apos;usa el programa i la teoria dels codis de línia</translation>
    </message>
</context>
<context>
    <name>ayuda</name>
    <message>
        <source>%1, del número %2.</source>
        <translation>%1, del nombre %2.</translation>
    </message>
    <message>
        <source>Señal %1 de los bits %2.</source>
        <translation>Senyal %1 dels bits %2.</translation>
    </message>
    <message>
        <source>%1 de los bits %2 tras %3 dB de cable: lo que llega, lo que lee el receptor y el reloj que recupera.</source>
        <translation>%1 dels bits %2 després de %3 dB de cable: el que arriba, el que llegeix el receptor i el rellotge que recupera.</translation>
    </message>
    <message>
        <source>Ojo de %1 tras %2 dB de cable, sin ruido.</source>
        <translation>Ull de %1 després de %2 dB de cable, sense soroll.</translation>
    </message>
    <message>
        <source>Tasa de errores de %1: medida (puntos) y teórica (curvas).</source>
        <translation>Taxa d&apos;errors de %1: mesurada (punts) i teòrica (corbes).</translation>
    </message>
</context>
<context>
    <name>ayuda::VentanaAcerca</name>
    <message>
        <source>Dibujo de Tramavox</source>
        <translation>Dibuix de Tramavox</translation>
    </message>
    <message>
        <source>Las señales de reloj, NRZ, RZ, AMI y HDB3 de un número, como las dibuja el programa</source>
        <translation>Els senyals de rellotge, NRZ, RZ, AMI i HDB3 d&apos;un nombre, tal com els dibuixa el programa</translation>
    </message>
</context>
<context>
    <name>ayuda::VentanaAyuda</name>
    <message>
        <source>No se pudo leer «%1»: %2. Se muestra la ayuda que lleva el programa.</source>
        <translation>No s&apos;ha pogut llegir «%1»: %2. Es mostra l&apos;ajuda que porta el programa.</translation>
    </message>
</context>
<context>
    <name>codigos</name>
    <message>
        <source>ocho ceros → 000VB0VB: V repite el signo del último pulso y B lo invierte</source>
        <translation>vuit zeros → 000VB0VB: V repeteix el signe de l&apos;últim pols i B l&apos;inverteix</translation>
    </message>
    <message>
        <source>cuatro ceros tras un número par de marcas desde la última V → B00V</source>
        <translation>quatre zeros després d&apos;un nombre parell de marques des de l&apos;última V → B00V</translation>
    </message>
    <message>
        <source>cuatro ceros tras un número impar de marcas desde la última V → 000V</source>
        <translation>quatre zeros després d&apos;un nombre senar de marques des de l&apos;última V → 000V</translation>
    </message>
    <message>
        <source>falta dibujar este medio bit</source>
        <translation>falta dibuixar aquest mig bit</translation>
    </message>
    <message>
        <source>aquí va %1: %2</source>
        <translation>aquí va %1: %2</translation>
    </message>
    <message>
        <source>falta la transición a mitad de bit</source>
        <translation>falta la transició a mig bit</translation>
    </message>
    <message>
        <source>la marca debe alternar</source>
        <translation>la marca ha d&apos;alternar</translation>
    </message>
    <message>
        <source>el pulso dura medio bit</source>
        <translation>el pols dura mig bit</translation>
    </message>
    <message>
        <source>aquí no hay pulso</source>
        <translation>aquí no hi ha pols</translation>
    </message>
    <message>
        <source>aquí va un pulso</source>
        <translation>aquí va un pols</translation>
    </message>
    <message>
        <source>aquí va el nivel %1</source>
        <translation>aquí va el nivell %1</translation>
    </message>
    <message>
        <source>NRZ unipolar</source>
        <translation>NRZ unipolar</translation>
    </message>
    <message>
        <source>NRZ unipolar: un 1 es nivel alto todo el bit; un 0, nivel cero.</source>
        <translation>NRZ unipolar: un 1 és nivell alt tot el bit; un 0, nivell zero.</translation>
    </message>
    <message>
        <source>NRZ polar</source>
        <translation>NRZ polar</translation>
    </message>
    <message>
        <source>NRZ polar: un 1 es +1 todo el bit; un 0, −1.</source>
        <translation>NRZ polar: un 1 és +1 tot el bit; un 0, −1.</translation>
    </message>
    <message>
        <source>NRZI: cada 1 cambia el nivel al empezar el bit; un 0 lo mantiene.</source>
        <translation>NRZI: cada 1 canvia el nivell en començar el bit; un 0 el manté.</translation>
    </message>
    <message>
        <source>RZ unipolar: un 1 es un pulso en la primera mitad del bit; un 0, nivel cero.</source>
        <translation>RZ unipolar: un 1 és un pols a la primera meitat del bit; un 0, nivell zero.</translation>
    </message>
    <message>
        <source>AMI (ANSI T1.102): cada 1 es un pulso de medio bit de signo contrario al anterior; un 0, cero.</source>
        <translation>AMI (ANSI T1.102): cada 1 és un pols de mig bit de signe contrari a l&apos;anterior; un 0, zero.</translation>
    </message>
    <message>
        <source>Pseudoternario</source>
        <translation>Pseudoternari</translation>
    </message>
    <message>
        <source>Pseudoternario (UIT-T I.430): cada 0 es un pulso de bit entero, de signo contrario al anterior; un 1, cero.</source>
        <translation>Pseudoternari (UIT-T I.430): cada 0 és un pols de bit sencer, de signe contrari a l&apos;anterior; un 1, zero.</translation>
    </message>
    <message>
        <source>HDB3 (UIT-T G.703): AMI en que cuatro ceros son 000V tras un número impar de marcas desde la última V, o B00V tras un número par.</source>
        <translation>HDB3 (UIT-T G.703): AMI en què quatre zeros són 000V després d&apos;un nombre senar de marques des de l&apos;última V, o B00V després d&apos;un nombre parell.</translation>
    </message>
    <message>
        <source>B8ZS (ANSI T1.102): AMI en que ocho ceros son 000VB0VB.</source>
        <translation>B8ZS (ANSI T1.102): AMI en què vuit zeros són 000VB0VB.</translation>
    </message>
    <message>
        <source>CMI (UIT-T G.703): un 1 ocupa el bit entero, alto y bajo por turnos; un 0 es bajo y luego alto.</source>
        <translation>CMI (UIT-T G.703): un 1 ocupa el bit sencer, alt i baix per torns; un 0 és baix i després alt.</translation>
    </message>
    <message>
        <source>Manchester (IEEE 802.3): un 1 sube a mitad de bit; un 0 baja (al revés que el convenio de G. E. Thomas).</source>
        <translation>Manchester (IEEE 802.3): un 1 puja a mig bit; un 0 baixa (al revés que el conveni de G. E. Thomas).</translation>
    </message>
    <message>
        <source>Manchester diferencial</source>
        <translation>Manchester diferencial</translation>
    </message>
    <message>
        <source>Manchester diferencial: siempre hay transición a mitad de bit, y además al empezar cada 0.</source>
        <translation>Manchester diferencial: sempre hi ha transició a mig bit, i a més en començar cada 0.</translation>
    </message>
    <message>
        <source>2B1Q (ANSI T1.601): dos bits por símbolo, el primero el signo y el segundo la magnitud: 10 +3, 11 +1, 01 −1, 00 −3; un último bit sin pareja va con un 0.</source>
        <translation>2B1Q (ANSI T1.601): dos bits per símbol, el primer el signe i el segon la magnitud: 10 +3, 11 +1, 01 −1, 00 −3; un últim bit sense parella va amb un 0.</translation>
    </message>
    <message>
        <source>MLT-3: cada 1 avanza un paso por 0, +1, 0, −1; un 0 mantiene el nivel.</source>
        <translation>MLT-3: cada 1 avança un pas per 0, +1, 0, −1; un 0 manté el nivell.</translation>
    </message>
    <message>
        <source>Solo se admiten los bits 0 y 1; los espacios se ignoran.</source>
        <translation>Només s&apos;admeten els bits 0 i 1; els espais s&apos;ignoren.</translation>
    </message>
    <message>
        <source>Solo se admiten las cifras hexadecimales 0-9 y A-F; los espacios se ignoran.</source>
        <translation>Només s&apos;admeten les xifres hexadecimals 0-9 i A-F; els espais s&apos;ignoren.</translation>
    </message>
    <message>
        <source>Solo se admiten caracteres de un byte (Latin-1): cada uno da sus 8 bits.</source>
        <translation>Només s&apos;admeten caràcters d&apos;un byte (Latin-1): cadascun dona els seus 8 bits.</translation>
    </message>
    <message>
        <source>Como mucho %1 bits.</source>
        <translation>Com a màxim %1 bits.</translation>
    </message>
    <message>
        <source>violación bipolar no esperada</source>
        <translation>violació bipolar no esperada</translation>
    </message>
    <message>
        <source>violación que no cuadra con la paridad inicial</source>
        <translation>violació que no quadra amb la paritat inicial</translation>
    </message>
    <message>
        <source>violación con la polaridad de la anterior</source>
        <translation>violació amb la polaritat de l&apos;anterior</translation>
    </message>
    <message>
        <source>cuatro ceros seguidos, imposibles en HDB3,</source>
        <translation>quatre zeros seguits, impossibles en HDB3,</translation>
    </message>
    <message>
        <source>ocho ceros seguidos, imposibles en B8ZS,</source>
        <translation>vuit zeros seguits, impossibles en B8ZS,</translation>
    </message>
    <message>
        <source>violación de la alternancia CMI</source>
        <translation>violació de l&apos;alternança CMI</translation>
    </message>
    <message>
        <source>símbolo CMI no válido</source>
        <translation>símbol CMI no vàlid</translation>
    </message>
    <message>
        <source>%1 en el bit %2</source>
        <translation>%1 al bit %2</translation>
    </message>
    <message>
        <source>las marcas no alternan: cada una lleva el signo contrario de la anterior</source>
        <translation>les marques no alternen: cadascuna porta el signe contrari de l&apos;anterior</translation>
    </message>
    <message>
        <source>se empezó con el signo contrario: mira el último pulso antes del primer bit</source>
        <translation>s&apos;ha començat amb el signe contrari: mira l&apos;últim pols abans del primer bit</translation>
    </message>
    <message>
        <source>se partió del nivel contrario: mira el nivel antes del primer bit</source>
        <translation>s&apos;ha partit del nivell contrari: mira el nivell abans del primer bit</translation>
    </message>
    <message>
        <source>unos y ceros al revés: el 1 es el nivel alto</source>
        <translation>uns i zeros al revés: l&apos;1 és el nivell alt</translation>
    </message>
    <message>
        <source>así es NRZ polar: en unipolar el 0 no tiene tensión</source>
        <translation>així és NRZ polar: en unipolar el 0 no té tensió</translation>
    </message>
    <message>
        <source>así es RZ: en NRZ el nivel dura todo el bit</source>
        <translation>així és RZ: en NRZ el nivell dura tot el bit</translation>
    </message>
    <message>
        <source>unos y ceros al revés: el 1 es positivo y el 0 negativo</source>
        <translation>uns i zeros al revés: l&apos;1 és positiu i el 0 negatiu</translation>
    </message>
    <message>
        <source>así es NRZ unipolar: en polar el 0 es negativo</source>
        <translation>així és NRZ unipolar: en polar el 0 és negatiu</translation>
    </message>
    <message>
        <source>así es NRZI: en NRZ polar el nivel dice el bit</source>
        <translation>així és NRZI: en NRZ polar el nivell diu el bit</translation>
    </message>
    <message>
        <source>el cambio va en los ceros: en NRZI cada 1 cambia el nivel</source>
        <translation>el canvi va en els zeros: en NRZI cada 1 canvia el nivell</translation>
    </message>
    <message>
        <source>así es NRZ polar: en NRZI el bit no lo dice el nivel, sino el cambio</source>
        <translation>així és NRZ polar: en NRZI el bit no el diu el nivell, sinó el canvi</translation>
    </message>
    <message>
        <source>así es NRZ unipolar: en RZ el pulso vuelve a cero a mitad de bit</source>
        <translation>així és NRZ unipolar: en RZ el pols torna a zero a mig bit</translation>
    </message>
    <message>
        <source>unos y ceros al revés: el pulso es el 1</source>
        <translation>uns i zeros al revés: el pols és l&apos;1</translation>
    </message>
    <message>
        <source>el pulso va en la primera mitad del bit, no en la segunda</source>
        <translation>el pols va a la primera meitat del bit, no a la segona</translation>
    </message>
    <message>
        <source>así es pseudoternario: en AMI los pulsos son los unos</source>
        <translation>així és pseudoternari: en AMI els polsos són els uns</translation>
    </message>
    <message>
        <source>el pulso dura todo el bit: en AMI dura medio bit</source>
        <translation>el pols dura tot el bit: en AMI dura mig bit</translation>
    </message>
    <message>
        <source>así es AMI: en pseudoternario los pulsos son los ceros</source>
        <translation>així és AMI: en pseudoternari els polsos són els zeros</translation>
    </message>
    <message>
        <source>sin sustituciones: así queda en AMI, y en HDB3 cada cuatro ceros seguidos se sustituyen</source>
        <translation>sense substitucions: així queda en AMI, i en HDB3 cada quatre zeros seguits se substitueixen</translation>
    </message>
    <message>
        <source>se eligió mal entre 000V y B00V: cuenta las marcas desde la última V</source>
        <translation>s&apos;ha triat malament entre 000V i B00V: compta les marques des de l&apos;última V</translation>
    </message>
    <message>
        <source>la V lleva la polaridad contraria: repite la del pulso anterior</source>
        <translation>la V porta la polaritat contrària: repeteix la del pols anterior</translation>
    </message>
    <message>
        <source>sin sustituciones: así queda en AMI, y en B8ZS cada ocho ceros seguidos se sustituyen</source>
        <translation>sense substitucions: així queda en AMI, i en B8ZS cada vuit zeros seguits se substitueixen</translation>
    </message>
    <message>
        <source>el patrón 000VB0VB va desplazado: empieza en el primero de los ocho ceros</source>
        <translation>el patró 000VB0VB va desplaçat: comença al primer dels vuit zeros</translation>
    </message>
    <message>
        <source>la B no alterna: lleva el signo contrario del pulso anterior</source>
        <translation>la B no alterna: porta el signe contrari del pols anterior</translation>
    </message>
    <message>
        <source>el 0 va al revés: en CMI es bajo en la primera mitad y alto en la segunda</source>
        <translation>el 0 va al revés: en CMI és baix a la primera meitat i alt a la segona</translation>
    </message>
    <message>
        <source>los unos no alternan: cada 1 lleva el nivel contrario del 1 anterior</source>
        <translation>els uns no alternen: cada 1 porta el nivell contrari de l&apos;1 anterior</translation>
    </message>
    <message>
        <source>las transiciones van al revés: es el convenio de G. E. Thomas, no el de IEEE 802.3</source>
        <translation>les transicions van al revés: és el conveni de G. E. Thomas, no el d&apos;IEEE 802.3</translation>
    </message>
    <message>
        <source>así es NRZ polar: falta la transición a mitad de bit</source>
        <translation>així és NRZ polar: falta la transició a mig bit</translation>
    </message>
    <message>
        <source>así es Manchester diferencial: en Manchester el sentido de la transición dice el bit</source>
        <translation>així és Manchester diferencial: en Manchester el sentit de la transició diu el bit</translation>
    </message>
    <message>
        <source>el cambio al principio del bit va en los unos: en el diferencial lo lleva cada 0</source>
        <translation>el canvi al principi del bit va en els uns: en el diferencial el porta cada 0</translation>
    </message>
    <message>
        <source>así es Manchester: en el diferencial el bit lo dice si hay cambio al principio</source>
        <translation>així és Manchester: en el diferencial el bit el diu si hi ha canvi al principi</translation>
    </message>
    <message>
        <source>signo y magnitud cambiados: el primer bit de cada par da el signo</source>
        <translation>signe i magnitud canviats: el primer bit de cada parell dona el signe</translation>
    </message>
    <message>
        <source>las magnitudes al revés: un 1 en el segundo bit es ±1 y un 0 es ±3</source>
        <translation>les magnituds al revés: un 1 al segon bit és ±1 i un 0 és ±3</translation>
    </message>
    <message>
        <source>el signo al revés: un 1 en el primer bit es positivo</source>
        <translation>el signe al revés: un 1 al primer bit és positiu</translation>
    </message>
    <message>
        <source>cada 1 cambia de signo sin pasar por cero: MLT-3 recorre 0, +1, 0, −1</source>
        <translation>cada 1 canvia de signe sense passar per zero: MLT-3 recorre 0, +1, 0, −1</translation>
    </message>
    <message>
        <source>cambian los ceros: en MLT-3 solo cada 1 avanza un paso</source>
        <translation>canvien els zeros: en MLT-3 només cada 1 avança un pas</translation>
    </message>
    <message>
        <source>se partió de otro nivel: mira el nivel antes del primer bit</source>
        <translation>s&apos;ha partit d&apos;un altre nivell: mira el nivell abans del primer bit</translation>
    </message>
    <message>
        <source>último pulso positivo</source>
        <translation>últim pols positiu</translation>
    </message>
    <message>
        <source>último pulso negativo</source>
        <translation>últim pols negatiu</translation>
    </message>
    <message>
        <source>%1, un número impar de marcas desde la última V</source>
        <translation>%1, un nombre senar de marques des de l&apos;última V</translation>
    </message>
    <message>
        <source>%1, un número par de marcas desde la última V</source>
        <translation>%1, un nombre parell de marques des de l&apos;última V</translation>
    </message>
    <message>
        <source>nivel inicial alto</source>
        <translation>nivell inicial alt</translation>
    </message>
    <message>
        <source>nivel inicial bajo</source>
        <translation>nivell inicial baix</translation>
    </message>
    <message>
        <source>nivel inicial %1</source>
        <translation>nivell inicial %1</translation>
    </message>
    <message>
        <source>nivel inicial cero, tras un pulso positivo</source>
        <translation>nivell inicial zero, després d&apos;un pols positiu</translation>
    </message>
    <message>
        <source>nivel inicial cero, tras un pulso negativo</source>
        <translation>nivell inicial zero, després d&apos;un pols negatiu</translation>
    </message>
</context>
<context>
    <name>detalles</name>
    <message>
        <source>Detalles de la clase</source>
        <translation>Detalls de la classe</translation>
    </message>
    <message>
        <source>Estadísticas de la clase</source>
        <translation>Estadístiques de la classe</translation>
    </message>
    <message>
        <source>Total, aciertos, errores y porcentaje de cada alumno; pulsa una cabecera para ordenar</source>
        <translation>Total, encerts, errors i percentatge de cada alumne; prem una capçalera per ordenar</translation>
    </message>
    <message>
        <source>Respuestas por código</source>
        <translation>Respostes per codi</translation>
    </message>
    <message>
        <source>Aciertos y errores de cada alumno en NRZ, RZ, AMI y HDB3</source>
        <translation>Encerts i errors de cada alumne en NRZ, RZ, AMI i HDB3</translation>
    </message>
    <message>
        <source>Exportar CSV…</source>
        <translation>Exporta CSV…</translation>
    </message>
    <message>
        <source>Exportar CSV</source>
        <translation>Exporta CSV</translation>
    </message>
    <message>
        <source>Guarda la tabla para una hoja de cálculo</source>
        <translation>Desa la taula per a un full de càlcul</translation>
    </message>
    <message>
        <source>Informe PDF…</source>
        <translation>Informe PDF…</translation>
    </message>
    <message>
        <source>Informe PDF</source>
        <translation>Informe PDF</translation>
    </message>
    <message>
        <source>Guarda un informe de la clase para imprimir</source>
        <translation>Desa un informe de la classe per imprimir</translation>
    </message>
    <message>
        <source>Borrar alumno</source>
        <translation>Esborra l&apos;alumne</translation>
    </message>
    <message>
        <source>Borra de las estadísticas el alumno elegido en la tabla</source>
        <translation>Esborra de les estadístiques l&apos;alumne triat a la taula</translation>
    </message>
    <message>
        <source>Cuentas a cero, alumnos borrados y soluciones vistas, lo último primero:</source>
        <translation>Comptes a zero, alumnes esborrats i solucions vistes, el més recent primer:</translation>
    </message>
    <message>
        <source>Sucesos de la clase</source>
        <translation>Esdeveniments de la classe</translation>
    </message>
    <message>
        <source>Quién puso sus cuentas a cero, borró a un alumno o vio una solución, cuándo y en qué puesto</source>
        <translation>Qui ha posat els seus comptes a zero, ha esborrat un alumne o ha vist una solució, quan i en quin lloc</translation>
    </message>
    <message>
        <source>Contraseña del profesor…</source>
        <translation>Contrasenya del professor…</translation>
    </message>
    <message>
        <source>Contraseña del profesor</source>
        <translation>Contrasenya del professor</translation>
    </message>
    <message>
        <source>Pone o cambia la contraseña que piden borrar alumnos y poner cuentas a cero</source>
        <translation>Posa o canvia la contrasenya que demanen esborrar alumnes i posar comptes a zero</translation>
    </message>
    <message>
        <source>Aún no ha habido ningún examen.</source>
        <translation>Encara no hi ha hagut cap examen.</translation>
    </message>
    <message>
        <source>Notas del examen</source>
        <translation>Notes de l&apos;examen</translation>
    </message>
    <message>
        <source>Preguntas respondidas, aciertos y nota de cada alumno en el último examen</source>
        <translation>Preguntes respostes, encerts i nota de cada alumne en l&apos;últim examen</translation>
    </message>
    <message>
        <source>Empezar examen…</source>
        <translation>Comença un examen…</translation>
    </message>
    <message>
        <source>Empezar examen</source>
        <translation>Comença un examen</translation>
    </message>
    <message>
        <source>Empieza un examen en todos los puestos de la clase</source>
        <translation>Comença un examen en tots els llocs de la classe</translation>
    </message>
    <message>
        <source>Terminar examen</source>
        <translation>Acaba l&apos;examen</translation>
    </message>
    <message>
        <source>Termina el examen en curso en todos los puestos</source>
        <translation>Acaba l&apos;examen en curs en tots els llocs</translation>
    </message>
    <message>
        <source>Notas del examen (CSV)…</source>
        <translation>Notes de l&apos;examen (CSV)…</translation>
    </message>
    <message>
        <source>Guarda las notas del último examen para una hoja de cálculo</source>
        <translation>Desa les notes de l&apos;últim examen per a un full de càlcul</translation>
    </message>
</context>
<context>
    <name>dibujo</name>
    <message>
        <source>Sistemas de
Telefonía</source>
        <translation>Sistemes de
Telefonia</translation>
    </message>
</context>
<context>
    <name>ejercicio</name>
    <message>
        <source>«%1» estaba escrito en UTF-8; se ha leído así y se guardará en Windows-1252, como lo escribe el programa.</source>
        <translation>«%1» estava escrit en UTF-8; s&apos;ha llegit així i es desarà en Windows-1252, com l&apos;escriu el programa.</translation>
    </message>
    <message>
        <source>y %1 más</source>
        <translation>i %1 més</translation>
    </message>
    <message>
        <source>Estas líneas de «%1» no son de ningún alumno y se dejan como están: %2.</source>
        <translation>Aquestes línies de «%1» no són de cap alumne i es deixen com estan: %2.</translation>
    </message>
    <message>
        <source>No se pudo leer «%1»: %2. Las estadísticas de esta sesión no se guardarán.</source>
        <translation>No s&apos;ha pogut llegir «%1»: %2. Les estadístiques d&apos;aquesta sessió no es desaran.</translation>
    </message>
    <message>
        <source>Reintentar</source>
        <translation>Torna-ho a provar</translation>
    </message>
    <message>
        <source>Guardar una copia…</source>
        <translation>Desa&apos;n una còpia…</translation>
    </message>
    <message>
        <source>Cerrar sin guardar</source>
        <translation>Tanca sense desar</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>Guardar una copia de las estadísticas</source>
        <translation>Desa una còpia de les estadístiques</translation>
    </message>
    <message>
        <source>Estadísticas (*.pnt)</source>
        <translation>Estadístiques (*.pnt)</translation>
    </message>
    <message>
        <source>No se pudo guardar la copia en «%1»: %2.</source>
        <translation>No s&apos;ha pogut desar la còpia a «%1»: %2.</translation>
    </message>
    <message>
        <source>Una cuenta de «%1» ha llegado al máximo que se puede guardar (%2) y no crecerá más.</source>
        <translation>Un compte de «%1» ha arribat al màxim que es pot desar (%2) i no creixerà més.</translation>
    </message>
    <message>
        <source>%1 (dibujo)</source>
        <translation>%1 (dibuix)</translation>
    </message>
    <message>
        <source>Estadísticas de la clase</source>
        <translation>Estadístiques de la classe</translation>
    </message>
    <message>
        <source>Página %1 de %2</source>
        <translation>Pàgina %1 de %2</translation>
    </message>
    <message>
        <source>Respuestas de cada alumno</source>
        <translation>Respostes de cada alumne</translation>
    </message>
    <message>
        <source>Alumno</source>
        <translation>Alumne</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation>Encerts</translation>
    </message>
    <message>
        <source>Errores</source>
        <translation>Errors</translation>
    </message>
    <message>
        <source>Gráfico</source>
        <translation>Gràfic</translation>
    </message>
    <message>
        <source>Respuestas por código: aún no hay ninguna anotada</source>
        <translation>Respostes per codi: encara no n&apos;hi ha cap d&apos;anotada</translation>
    </message>
    <message>
        <source>Respuestas por código desde el %1</source>
        <translation>Respostes per codi des del %1</translation>
    </message>
    <message>
        <source>%1 bien</source>
        <translation>%1 bé</translation>
    </message>
    <message>
        <source>%1 mal</source>
        <translation>%1 malament</translation>
    </message>
    <message>
        <source>La carpeta «%1» no puede guardar las respuestas de la clase: %2. Puedes guardarlas en una carpeta tuya.</source>
        <translation>La carpeta «%1» no pot desar les respostes de la classe: %2. Pots desar-les en una carpeta teva.</translation>
    </message>
    <message>
        <source>Guardar en una carpeta mía…</source>
        <translation>Desa en una carpeta meva…</translation>
    </message>
    <message>
        <source>Seguir sin guardar</source>
        <translation>Continua sense desar</translation>
    </message>
    <message>
        <source>Guardar las estadísticas en</source>
        <translation>Desa les estadístiques a</translation>
    </message>
    <message>
        <source>No se pudo anotar la respuesta en la carpeta de la clase «%1»: %2. Se guarda en este puesto y se anotará en cuanto se pueda; no se te volverá a avisar hasta entonces.</source>
        <translation>No s&apos;ha pogut anotar la resposta a la carpeta de la classe «%1»: %2. Es guarda en aquest lloc i s&apos;anotarà tan aviat com es pugui; no se&apos;t tornarà a avisar fins aleshores.</translation>
    </message>
    <message>
        <source>No se pudieron anotar las respuestas en la carpeta de la clase «%1»: %2.</source>
        <translation>No s&apos;han pogut anotar les respostes a la carpeta de la classe «%1»: %2.</translation>
    </message>
    <message>
        <source>Cuentas a cero</source>
        <translation>Comptes a zero</translation>
    </message>
    <message>
        <source>Alumno borrado</source>
        <translation>Alumne esborrat</translation>
    </message>
    <message>
        <source>Solución vista</source>
        <translation>Solució vista</translation>
    </message>
    <message>
        <source>%1 respuestas, %2 aciertos</source>
        <translation>%1 respostes, %2 encerts</translation>
    </message>
    <message>
        <source>El fichero de la contraseña del profesor («%1») está dañado: no se puede comprobar ninguna contraseña. Si el profesor lo borra, puede poner una nueva.</source>
        <translation>El fitxer de la contrasenya del professor («%1») està malmès: no es pot comprovar cap contrasenya. Si el professor l&apos;esborra, en pot posar una de nova.</translation>
    </message>
    <message>
        <source>Solo el profesor puede %1. Escribe la contraseña del profesor:</source>
        <translation>Només el professor pot %1. Escriu la contrasenya del professor:</translation>
    </message>
    <message>
        <source>Esa no es la contraseña del profesor.</source>
        <translation>Aquesta no és la contrasenya del professor.</translation>
    </message>
    <message>
        <source>Contraseña actual del profesor:</source>
        <translation>Contrasenya actual del professor:</translation>
    </message>
    <message>
        <source>Nueva contraseña del profesor (al menos %1 caracteres):</source>
        <translation>Nova contrasenya del professor (almenys %1 caràcters):</translation>
    </message>
    <message>
        <source>Repite la nueva contraseña:</source>
        <translation>Repeteix la nova contrasenya:</translation>
    </message>
    <message>
        <source>Las dos contraseñas no coinciden: no se ha cambiado nada.</source>
        <translation>Les dues contrasenyes no coincideixen: no s&apos;ha canviat res.</translation>
    </message>
    <message>
        <source>No se pudo guardar la contraseña del profesor: %1.</source>
        <translation>No s&apos;ha pogut desar la contrasenya del professor: %1.</translation>
    </message>
    <message>
        <source>Contraseña del profesor guardada. Desde ahora, borrar alumnos y poner cuentas a cero la piden.</source>
        <translation>Contrasenya del professor desada. D&apos;ara endavant, esborrar alumnes i posar comptes a zero la demanen.</translation>
    </message>
    <message>
        <source>Preguntas</source>
        <translation>Preguntes</translation>
    </message>
    <message>
        <source>Nota</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>en curso, quedan %1 min</source>
        <translation>en curs, queden %1 min</translation>
    </message>
    <message>
        <source>terminado</source>
        <translation>acabat</translation>
    </message>
    <message>
        <source>Examen «%1» (%2) · preguntas: %3 · códigos: %4 · %5 min</source>
        <translation>Examen «%1» (%2) · preguntes: %3 · codis: %4 · %5 min</translation>
    </message>
</context>
<context>
    <name>ejercicio::DialogoExamen</name>
    <message>
        <source>Empezar un examen</source>
        <translation>Comença un examen</translation>
    </message>
    <message>
        <source>&amp;Nombre:</source>
        <translation>&amp;Nom:</translation>
    </message>
    <message>
        <source>Códigos:</source>
        <translation>Codis:</translation>
    </message>
    <message>
        <source>&amp;Preguntas por alumno:</source>
        <translation>&amp;Preguntes per alumne:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>&amp;Tiempo:</source>
        <translation>&amp;Temps:</translation>
    </message>
    <message>
        <source>&amp;Semilla:</source>
        <translation>&amp;Llavor:</translation>
    </message>
    <message>
        <source>Las mismas preguntas, en el mismo orden, en todos los puestos</source>
        <translation>Les mateixes preguntes, en el mateix ordre, en tots els llocs</translation>
    </message>
    <message>
        <source>Empezar</source>
        <translation>Comença</translation>
    </message>
</context>
<context>
    <name>ejercicio::EleccionAlumno</name>
    <message>
        <source>Introduce tu nombre</source>
        <translation>Escriu el teu nom</translation>
    </message>
    <message>
        <source>Ya hay un alumno «%1». ¿Eres tú?
Responde No solo si eres otro alumno con un nombre parecido.</source>
        <translation>Ja hi ha un alumne «%1». Ets tu?
Respon No només si ets un altre alumne amb un nom semblant.</translation>
    </message>
</context>
<context>
    <name>ejercicio::ModeloClase</name>
    <message>
        <source>Alumno</source>
        <translation>Alumne</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation>Encerts</translation>
    </message>
    <message>
        <source>Errores</source>
        <translation>Errors</translation>
    </message>
    <message>
        <source>Gráfico</source>
        <translation>Gràfic</translation>
    </message>
    <message>
        <source>%1 bien</source>
        <translation>%1 bé</translation>
    </message>
    <message>
        <source>%1 mal</source>
        <translation>%1 malament</translation>
    </message>
    <message>
        <source>Soluciones vistas</source>
        <translation>Solucions vistes</translation>
    </message>
    <message>
        <source>Última respuesta</source>
        <translation>Última resposta</translation>
    </message>
    <message>
        <source>bien</source>
        <translation>bé</translation>
    </message>
    <message>
        <source>mal</source>
        <translation>malament</translation>
    </message>
    <message>
        <source>ahora</source>
        <translation>ara</translation>
    </message>
</context>
<context>
    <name>ejercicio::ModeloNotas</name>
    <message>
        <source>Alumno</source>
        <translation>Alumne</translation>
    </message>
    <message>
        <source>Respondidas</source>
        <translation>Respostes</translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation>Encerts</translation>
    </message>
    <message>
        <source>Nota</source>
        <translation>Nota</translation>
    </message>
</context>
<context>
    <name>ejercicio::ModeloSucesos</name>
    <message>
        <source>Fecha</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Alumno</source>
        <translation>Alumne</translation>
    </message>
    <message>
        <source>Puesto</source>
        <translation>Lloc</translation>
    </message>
    <message>
        <source>Suceso</source>
        <translation>Esdeveniment</translation>
    </message>
    <message>
        <source>Detalle</source>
        <translation>Detall</translation>
    </message>
    <message>
        <source>(sin elegir)</source>
        <translation>(sense triar)</translation>
    </message>
</context>
<context>
    <name>ejercicio::VentanaEjercicios</name>
    <message>
        <source>Trampa, trampa, miraste la solución</source>
        <translation>Trampa, trampa, has mirat la solució</translation>
    </message>
    <message>
        <source>La respuesta es correcta</source>
        <translation>La resposta és correcta</translation>
    </message>
    <message>
        <source>La respuesta es incorrecta</source>
        <translation>La resposta és incorrecta</translation>
    </message>
    <message>
        <source>Has de introducir un alumno o elegir uno de la lista</source>
        <translation>Has d&apos;introduir un alumne o triar-ne un de la llista</translation>
    </message>
    <message>
        <source>Esta acción borrará tus estadísticas. ¿Deseas continuar?</source>
        <translation>Aquesta acció esborrarà les teves estadístiques. Vols continuar?</translation>
    </message>
    <message>
        <source>poner a cero las cuentas</source>
        <translation>posar els comptes a zero</translation>
    </message>
    <message>
        <source>El examen ha terminado: esta respuesta ya no cuenta.</source>
        <translation>L&apos;examen s&apos;ha acabat: aquesta resposta ja no compta.</translation>
    </message>
    <message>
        <source>Esta pregunta del examen era de %1: pulsa «Proponer» para la tuya.</source>
        <translation>Aquesta pregunta de l&apos;examen era de %1: prem «Proposa» per a la teva.</translation>
    </message>
    <message>
        <source>Elige tu nombre antes de empezar el examen.</source>
        <translation>Tria el teu nom abans de començar l&apos;examen.</translation>
    </message>
    <message>
        <source>Ya has respondido todas las preguntas del examen.</source>
        <translation>Ja has respost totes les preguntes de l&apos;examen.</translation>
    </message>
    <message>
        <source>El examen «%1» ha terminado.</source>
        <translation>L&apos;examen «%1» s&apos;ha acabat.</translation>
    </message>
    <message>
        <source>Examen «%1»</source>
        <translation>Examen «%1»</translation>
    </message>
    <message>
        <source>Quedan %1:%2</source>
        <translation>Queden %1:%2</translation>
    </message>
    <message>
        <source>Examen terminado</source>
        <translation>Examen acabat</translation>
    </message>
    <message>
        <source>Pregunta %1/%2</source>
        <translation>Pregunta %1/%2</translation>
    </message>
    <message>
        <source>Hechas %1/%2</source>
        <translation>Fetes %1/%2</translation>
    </message>
</context>
<context>
    <name>ejercicio::VistaClase</name>
    <message>
        <source>No se pudo guardar %1 en «%2»: %3.</source>
        <translation>No s&apos;ha pogut desar %1 a «%2»: %3.</translation>
    </message>
    <message>
        <source>Respuestas por código: aún no hay ninguna anotada.</source>
        <translation>Respostes per codi: encara no n&apos;hi ha cap d&apos;anotada.</translation>
    </message>
    <message>
        <source>Respuestas por código desde el %1, la primera anotada en el historial:</source>
        <translation>Respostes per codi des del %1, la primera anotada a l&apos;historial:</translation>
    </message>
    <message>
        <source>Exportar la clase</source>
        <translation>Exporta la classe</translation>
    </message>
    <message>
        <source>Hoja de cálculo CSV (*.csv)</source>
        <translation>Full de càlcul CSV (*.csv)</translation>
    </message>
    <message>
        <source>la tabla</source>
        <translation>la taula</translation>
    </message>
    <message>
        <source>Informe de la clase</source>
        <translation>Informe de la classe</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>el informe</source>
        <translation>l&apos;informe</translation>
    </message>
    <message>
        <source>Elige en la tabla el alumno que quieres borrar.</source>
        <translation>Tria a la taula l&apos;alumne que vols esborrar.</translation>
    </message>
    <message>
        <source>¿Borrar a «%1» y sus estadísticas? Sus respuestas quedan en el historial.</source>
        <translation>Vols esborrar «%1» i les seves estadístiques? Les seves respostes queden a l&apos;historial.</translation>
    </message>
    <message>
        <source>No se pudo borrar a «%1» de «%2»: %3.</source>
        <translation>No s&apos;ha pogut esborrar «%1» de «%2»: %3.</translation>
    </message>
    <message>
        <source>borrar a un alumno</source>
        <translation>esborrar un alumne</translation>
    </message>
    <message>
        <source>Aún no ha habido ningún examen.</source>
        <translation>Encara no hi ha hagut cap examen.</translation>
    </message>
    <message>
        <source>empezar un examen</source>
        <translation>començar un examen</translation>
    </message>
    <message>
        <source>No se pudo empezar el examen en «%1»: %2.</source>
        <translation>No s&apos;ha pogut començar l&apos;examen a «%1»: %2.</translation>
    </message>
    <message>
        <source>¿Terminar el examen «%1» en todos los puestos? Las preguntas sin responder cuentan como falladas.</source>
        <translation>Vols acabar l&apos;examen «%1» en tots els llocs? Les preguntes sense resposta compten com a errades.</translation>
    </message>
    <message>
        <source>terminar el examen</source>
        <translation>acabar l&apos;examen</translation>
    </message>
    <message>
        <source>No se pudo terminar el examen en «%1»: %2.</source>
        <translation>No s&apos;ha pogut acabar l&apos;examen a «%1»: %2.</translation>
    </message>
    <message>
        <source>Notas del examen</source>
        <translation>Notes de l&apos;examen</translation>
    </message>
    <message>
        <source>las notas</source>
        <translation>les notes</translation>
    </message>
</context>
<context>
    <name>entrenador</name>
    <message>
        <source>Entrenador de códigos</source>
        <translation>Entrenador de codis</translation>
    </message>
    <message>
        <source>Alumno:</source>
        <translation>Alumne:</translation>
    </message>
    <message>
        <source>Alumno</source>
        <translation>Alumne</translation>
    </message>
    <message>
        <source>Elige tu nombre de la lista o escribe uno nuevo y pulsa Intro</source>
        <translation>Tria el teu nom de la llista o escriu-ne un de nou i prem Retorn</translation>
    </message>
    <message>
        <source>Leer la señal|Dibujar la señal</source>
        <translation>Llegir el senyal|Dibuixar el senyal</translation>
    </message>
    <message>
        <source>Modo</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Leer los bits de una señal dibujada, o dibujar la señal de unos bits</source>
        <translation>Llegir els bits d&apos;un senyal dibuixat, o dibuixar el senyal d&apos;uns bits</translation>
    </message>
    <message>
        <source>Códigos que se preguntan:</source>
        <translation>Codis que es pregunten:</translation>
    </message>
    <message>
        <source>Códigos</source>
        <translation>Codis</translation>
    </message>
    <message>
        <source>Marca los códigos que pueden salir en los ejercicios</source>
        <translation>Marca els codis que poden sortir als exercicis</translation>
    </message>
    <message>
        <source>8 bits|12 bits|16 bits|24 bits|32 bits</source>
        <translation>8 bits|12 bits|16 bits|24 bits|32 bits</translation>
    </message>
    <message>
        <source>Longitud</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Bits de cada ejercicio</source>
        <translation>Bits de cada exercici</translation>
    </message>
    <message>
        <source>Exportar preguntas para Moodle…</source>
        <translation>Exporta preguntes per a Moodle…</translation>
    </message>
    <message>
        <source>Exportar preguntas para Moodle</source>
        <translation>Exporta preguntes per a Moodle</translation>
    </message>
    <message>
        <source>Escribe un banco de preguntas de los códigos marcados para importarlo en Moodle</source>
        <translation>Escriu un banc de preguntes dels codis marcats per importar-lo a Moodle</translation>
    </message>
    <message>
        <source>Lo que se pide</source>
        <translation>El que es demana</translation>
    </message>
    <message>
        <source>Qué hay que hacer en este ejercicio</source>
        <translation>Què cal fer en aquest exercici</translation>
    </message>
    <message>
        <source>Estado inicial</source>
        <translation>Estat inicial</translation>
    </message>
    <message>
        <source>Cómo estaba la línea antes del primer bit</source>
        <translation>Com era la línia abans del primer bit</translation>
    </message>
    <message>
        <source>Dibujo</source>
        <translation>Dibuix</translation>
    </message>
    <message>
        <source>La señal que se lee, o donde se dibuja: las flechas mueven el cursor y cambian el nivel, y un clic cambia el nivel de medio bit</source>
        <translation>El senyal que es llegeix, o on es dibuixa: les fletxes mouen el cursor i canvien el nivell, i un clic canvia el nivell de mig bit</translation>
    </message>
    <message>
        <source>Respuesta:</source>
        <translation>Resposta:</translation>
    </message>
    <message>
        <source>Respuesta</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>Los bits leídos, o sus cifras hexadecimales; los espacios no cuentan</source>
        <translation>Els bits llegits, o les seves xifres hexadecimals; els espais no compten</translation>
    </message>
    <message>
        <source>Nuevo ejercicio</source>
        <translation>Exercici nou</translation>
    </message>
    <message>
        <source>Comprobar</source>
        <translation>Comprova</translation>
    </message>
    <message>
        <source>Corrige la respuesta y la cuenta para el alumno</source>
        <translation>Corregeix la resposta i la compta per a l&apos;alumne</translation>
    </message>
    <message>
        <source>Solución</source>
        <translation>Solució</translation>
    </message>
    <message>
        <source>Muestra la solución; la respuesta ya no cuenta</source>
        <translation>Mostra la solució; la resposta ja no compta</translation>
    </message>
    <message>
        <source>Veredicto</source>
        <translation>Veredicte</translation>
    </message>
    <message>
        <source>Si la respuesta es correcta y, si no, dónde y por qué</source>
        <translation>Si la resposta és correcta i, si no, on i per què</translation>
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
        <translation>Rellotge</translation>
    </message>
    <message>
        <source>Señal %1 de %2 bits</source>
        <translation>Senyal %1 de %2 bits</translation>
    </message>
    <message>
        <source>sin dibujar</source>
        <translation>sense dibuixar</translation>
    </message>
    <message>
        <source>. Bit %1, primera mitad: %2</source>
        <translation>. Bit %1, primera meitat: %2</translation>
    </message>
    <message>
        <source>. Bit %1, segunda mitad: %2</source>
        <translation>. Bit %1, segona meitat: %2</translation>
    </message>
</context>
<context>
    <name>entrenador::Entrenamiento</name>
    <message>
        <source>Escribe los %1 bits, o sus %2 cifras hexadecimales.</source>
        <translation>Escriu els %1 bits, o les seves %2 xifres hexadecimals.</translation>
    </message>
    <message>
        <source>Trampa, trampa, miraste la solución</source>
        <translation>Trampa, trampa, has mirat la solució</translation>
    </message>
    <message>
        <source>Correcto.</source>
        <translation>Correcte.</translation>
    </message>
    <message>
        <source>Incorrecto: %1 de %2 bits mal leídos.</source>
        <translation>Incorrecte: %1 de %2 bits mal llegits.</translation>
    </message>
    <message>
        <source>Incorrecto en el bit %1, primera mitad: %2. Medios bits mal: %3.</source>
        <translation>Incorrecte al bit %1, primera meitat: %2. Mitjos bits malament: %3.</translation>
    </message>
    <message>
        <source>Incorrecto en el bit %1, segunda mitad: %2. Medios bits mal: %3.</source>
        <translation>Incorrecte al bit %1, segona meitat: %2. Mitjos bits malament: %3.</translation>
    </message>
</context>
<context>
    <name>entrenador::VentanaEntrenador</name>
    <message>
        <source>Lee la señal %1 de %2 bits y escribe sus bits o su valor hexadecimal.</source>
        <translation>Llegeix el senyal %1 de %2 bits i escriu-ne els bits o el valor hexadecimal.</translation>
    </message>
    <message>
        <source>Dibuja la señal %1 de %2.</source>
        <translation>Dibuixa el senyal %1 de %2.</translation>
    </message>
    <message>
        <source>La señal no depende de cómo estaba la línea antes.</source>
        <translation>El senyal no depèn de com era la línia abans.</translation>
    </message>
    <message>
        <source>Antes del primer bit: %1.</source>
        <translation>Abans del primer bit: %1.</translation>
    </message>
    <message>
        <source>Solución: %1 (%2 en hexadecimal).</source>
        <translation>Solució: %1 (%2 en hexadecimal).</translation>
    </message>
    <message>
        <source>Solución: la línea gris.</source>
        <translation>Solució: la línia grisa.</translation>
    </message>
    <message>
        <source>Has de introducir un alumno o elegir uno de la lista</source>
        <translation>Has d&apos;introduir un alumne o triar-ne un de la llista</translation>
    </message>
    <message>
        <source>Exportar preguntas para Moodle</source>
        <translation>Exporta preguntes per a Moodle</translation>
    </message>
    <message>
        <source>Moodle XML (*.xml)</source>
        <translation>Moodle XML (*.xml)</translation>
    </message>
    <message>
        <source>No se pudieron exportar las preguntas a «%1»: %2.</source>
        <translation>No s&apos;han pogut exportar les preguntes a «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>formatos</name>
    <message>
        <source>no es un fichero normal</source>
        <translation>no és un fitxer normal</translation>
    </message>
    <message>
        <source>el fichero es demasiado grande (más de %1 bytes)</source>
        <translation>el fitxer és massa gran (més de %1 bytes)</translation>
    </message>
    <message>
        <source>no se pudo preparar el contenido</source>
        <translation>no s&apos;ha pogut preparar el contingut</translation>
    </message>
    <message>
        <source>no queda espacio en el disco</source>
        <translation>no queda espai al disc</translation>
    </message>
    <message>
        <source>se ha agotado la cuota de disco</source>
        <translation>s&apos;ha esgotat la quota de disc</translation>
    </message>
    <message>
        <source>permiso denegado</source>
        <translation>permís denegat</translation>
    </message>
    <message>
        <source>el disco es de solo lectura</source>
        <translation>el disc és només de lectura</translation>
    </message>
    <message>
        <source>una parte de la ruta no es una carpeta</source>
        <translation>una part del camí no és una carpeta</translation>
    </message>
    <message>
        <source>es una carpeta, no un fichero</source>
        <translation>és una carpeta, no un fitxer</translation>
    </message>
    <message>
        <source>el fichero sería demasiado grande</source>
        <translation>el fitxer seria massa gran</translation>
    </message>
    <message>
        <source>el nombre es demasiado largo</source>
        <translation>el nom és massa llarg</translation>
    </message>
    <message>
        <source>error de lectura o escritura en el disco</source>
        <translation>error de lectura o escriptura al disc</translation>
    </message>
    <message>
        <source>es un enlace simbólico, y por seguridad no se sigue</source>
        <translation>és un enllaç simbòlic, i per seguretat no se segueix</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>más de %L1 caracteres</source>
        <translation>més de %L1 caràcters</translation>
    </message>
    <message>
        <source>[La ayuda se muestra hasta aquí: el documento pasa de lo que esta ventana puede mostrar (%1).]</source>
        <translation>[L&apos;ajuda es mostra fins aquí: el document passa del que aquesta finestra pot mostrar (%1).]</translation>
    </message>
    <message>
        <source>más de %L1 párrafos</source>
        <translation>més de %L1 paràgrafs</translation>
    </message>
    <message>
        <source>una tabla de más de %L1 celdas</source>
        <translation>una taula de més de %L1 cel·les</translation>
    </message>
    <message>
        <source>más de %L1 celdas de tabla</source>
        <translation>més de %L1 cel·les de taula</translation>
    </message>
    <message>
        <source>imágenes de más de %L1 megapíxeles en total</source>
        <translation>imatges de més de %L1 megapíxels en total</translation>
    </message>
    <message>
        <source>el fichero o su carpeta ya no está (otro puesto o el servidor lo ha quitado)</source>
        <translation>el fitxer o la seva carpeta ja no hi són (un altre lloc o el servidor els ha tret)</translation>
    </message>
    <message>
        <source>el fichero está abierto en otro puesto y ahora no se puede cambiar</source>
        <translation>el fitxer està obert en un altre lloc i ara no es pot canviar</translation>
    </message>
    <message>
        <source>la carpeta compartida no admite esta operación</source>
        <translation>la carpeta compartida no admet aquesta operació</translation>
    </message>
    <message>
        <source>el servidor ha cambiado el fichero mientras se usaba</source>
        <translation>el servidor ha canviat el fitxer mentre s&apos;usava</translation>
    </message>
    <message>
        <source>se ha perdido la conexión con el servidor de la carpeta</source>
        <translation>s&apos;ha perdut la connexió amb el servidor de la carpeta</translation>
    </message>
    <message>
        <source>ya hay un fichero con ese nombre</source>
        <translation>ja hi ha un fitxer amb aquest nom</translation>
    </message>
    <message>
        <source>error inesperado del sistema (%1, número %2)</source>
        <translation>error inesperat del sistema (%1, número %2)</translation>
    </message>
</context>
<context>
    <name>formularios</name>
    <message>
        <source>Sí</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>D&apos;acord</translation>
    </message>
</context>
<context>
    <name>inicio</name>
    <message>
        <source>Durante el examen «%1» el laboratorio y el entrenador están cerrados.</source>
        <translation>Durant l&apos;examen «%1» el laboratori i l&apos;entrenador estan tancats.</translation>
    </message>
</context>
<context>
    <name>lab</name>
    <message>
        <source>Laboratorio de códigos</source>
        <translation>Laboratori de codis</translation>
    </message>
    <message>
        <source>Entrada:</source>
        <translation>Entrada:</translation>
    </message>
    <message>
        <source>Bits|Hexadecimal|Texto</source>
        <translation>Bits|Hexadecimal|Text</translation>
    </message>
    <message>
        <source>Forma de la entrada</source>
        <translation>Forma de l&apos;entrada</translation>
    </message>
    <message>
        <source>Si la entrada se escribe en bits, en cifras hexadecimales o como texto</source>
        <translation>Si l&apos;entrada s&apos;escriu en bits, en xifres hexadecimals o com a text</translation>
    </message>
    <message>
        <source>Entrada</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>De 1 a 4096 bits que se codifican; los espacios se ignoran</source>
        <translation>D&apos;1 a 4096 bits que es codifiquen; els espais s&apos;ignoren</translation>
    </message>
    <message>
        <source>Pista</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Cuántos bits hay, o por qué se rechazó un carácter</source>
        <translation>Quants bits hi ha, o per què s&apos;ha rebutjat un caràcter</translation>
    </message>
    <message>
        <source>Códigos:</source>
        <translation>Codis:</translation>
    </message>
    <message>
        <source>Códigos</source>
        <translation>Codis</translation>
    </message>
    <message>
        <source>Marca los códigos que se dibujan; el elegido es el de la tabla de pasos</source>
        <translation>Marca els codis que es dibuixen; el triat és el de la taula de passos</translation>
    </message>
    <message>
        <source>Estado inicial</source>
        <translation>Estat inicial</translation>
    </message>
    <message>
        <source>Último pulso negativo|Último pulso positivo</source>
        <translation>Últim pols negatiu|Últim pols positiu</translation>
    </message>
    <message>
        <source>Último pulso</source>
        <translation>Últim pols</translation>
    </message>
    <message>
        <source>Signo del último pulso antes del primer bit (AMI, pseudoternario, HDB3, B8ZS, CMI)</source>
        <translation>Signe de l&apos;últim pols abans del primer bit (AMI, pseudoternari, HDB3, B8ZS, CMI)</translation>
    </message>
    <message>
        <source>Nivel inicial bajo|Nivel inicial cero (MLT-3)|Nivel inicial alto</source>
        <translation>Nivell inicial baix|Nivell inicial zero (MLT-3)|Nivell inicial alt</translation>
    </message>
    <message>
        <source>Nivel inicial</source>
        <translation>Nivell inicial</translation>
    </message>
    <message>
        <source>Nivel de la línea antes del primer bit (NRZI, Manchester diferencial, MLT-3)</source>
        <translation>Nivell de la línia abans del primer bit (NRZI, Manchester diferencial, MLT-3)</translation>
    </message>
    <message>
        <source>Paridad HDB3 par|Paridad HDB3 impar</source>
        <translation>Paritat HDB3 parell|Paritat HDB3 senar</translation>
    </message>
    <message>
        <source>Paridad HDB3</source>
        <translation>Paritat HDB3</translation>
    </message>
    <message>
        <source>Paridad de las marcas desde la última violación, para HDB3</source>
        <translation>Paritat de les marques des de l&apos;última violació, per a HDB3</translation>
    </message>
    <message>
        <source>Señales de línea</source>
        <translation>Senyals de línia</translation>
    </message>
    <message>
        <source>El reloj y cada código elegido; pulsa medio bit para meter un error de línea</source>
        <translation>El rellotge i cada codi triat; prem mig bit per posar-hi un error de línia</translation>
    </message>
    <message>
        <source>Decodificado:</source>
        <translation>Descodificat:</translation>
    </message>
    <message>
        <source>Decodificado</source>
        <translation>Descodificat</translation>
    </message>
    <message>
        <source>Los bits que el receptor lee en la línea del código elegido</source>
        <translation>Els bits que el receptor llegeix a la línia del codi triat</translation>
    </message>
    <message>
        <source>Decodificado como la entrada</source>
        <translation>Descodificat com l&apos;entrada</translation>
    </message>
    <message>
        <source>Lo que el receptor lee, en hexadecimal o como texto si así se escribió la entrada</source>
        <translation>El que llegeix el receptor, en hexadecimal o com a text si així es va escriure l&apos;entrada</translation>
    </message>
    <message>
        <source>Errores</source>
        <translation>Errors</translation>
    </message>
    <message>
        <source>Los bits que un error de línea ha cambiado y cada violación que lo delata</source>
        <translation>Els bits que un error de línia ha canviat i cada violació que el delata</translation>
    </message>
    <message>
        <source>Convenio</source>
        <translation>Conveni</translation>
    </message>
    <message>
        <source>Cómo codifica el código elegido</source>
        <translation>Com codifica el codi triat</translation>
    </message>
    <message>
        <source>Pasos</source>
        <translation>Passos</translation>
    </message>
    <message>
        <source>Cada bit del código elegido: símbolo, nivel en cada mitad y motivo</source>
        <translation>Cada bit del codi triat: símbol, nivell a cada meitat i motiu</translation>
    </message>
    <message>
        <source>Escala lineal|Escala en dB</source>
        <translation>Escala lineal|Escala en dB</translation>
    </message>
    <message>
        <source>Escala del espectro</source>
        <translation>Escala de l&apos;espectre</translation>
    </message>
    <message>
        <source>Lineal, ajustada a la curva más alta, o en decibelios</source>
        <translation>Lineal, ajustada a la corba més alta, o en decibels</translation>
    </message>
    <message>
        <source>Espectro</source>
        <translation>Espectre</translation>
    </message>
    <message>
        <source>Densidad espectral de potencia de los códigos elegidos, de 0 a dos veces la velocidad binaria</source>
        <translation>Densitat espectral de potència dels codis triats, de 0 a dues vegades la velocitat binària</translation>
    </message>
    <message>
        <source>Línea</source>
        <translation>Línia</translation>
    </message>
    <message>
        <source>Cable:</source>
        <translation>Cable:</translation>
    </message>
    <message>
        <source>Pérdida del cable</source>
        <translation>Pèrdua del cable</translation>
    </message>
    <message>
        <source>Pérdida del cable a la mitad de la velocidad binaria, de 0 a 40 dB; crece con la raíz de la frecuencia</source>
        <translation>Pèrdua del cable a la meitat de la velocitat binària, de 0 a 40 dB; creix amb l&apos;arrel de la freqüència</translation>
    </message>
    <message>
        <source>0 dB</source>
        <translation>0 dB</translation>
    </message>
    <message>
        <source>Transformador:</source>
        <translation>Transformador:</translation>
    </message>
    <message>
        <source>Sin transformador|Corte al 0,1 % de la velocidad binaria|Corte al 1 % de la velocidad binaria|Corte al 5 % de la velocidad binaria</source>
        <translation>Sense transformador|Tall al 0,1 % de la velocitat binària|Tall a l&apos;1 % de la velocitat binària|Tall al 5 % de la velocitat binària</translation>
    </message>
    <message>
        <source>Transformador</source>
        <translation>Transformador</translation>
    </message>
    <message>
        <source>Acoplamiento por transformador: un paso alto de primer orden, o ninguno</source>
        <translation>Acoblament per transformador: un pas alt de primer ordre, o cap</translation>
    </message>
    <message>
        <source>Ruido:</source>
        <translation>Soroll:</translation>
    </message>
    <message>
        <source>Sin ruido|Eb/N0 = 20 dB|Eb/N0 = 15 dB|Eb/N0 = 12 dB|Eb/N0 = 10 dB|Eb/N0 = 8 dB|Eb/N0 = 6 dB|Eb/N0 = 4 dB|Eb/N0 = 2 dB|Eb/N0 = 0 dB</source>
        <translation>Sense soroll|Eb/N0 = 20 dB|Eb/N0 = 15 dB|Eb/N0 = 12 dB|Eb/N0 = 10 dB|Eb/N0 = 8 dB|Eb/N0 = 6 dB|Eb/N0 = 4 dB|Eb/N0 = 2 dB|Eb/N0 = 0 dB</translation>
    </message>
    <message>
        <source>Ruido</source>
        <translation>Soroll</translation>
    </message>
    <message>
        <source>Ruido blanco gaussiano, como energía por bit frente a densidad de ruido, o ninguno</source>
        <translation>Soroll blanc gaussià, com a energia per bit davant densitat de soroll, o cap</translation>
    </message>
    <message>
        <source>Dibujar lo que llega al receptor y lo que decide</source>
        <translation>Dibuixa el que arriba al receptor i el que decideix</translation>
    </message>
    <message>
        <source>Señal recibida</source>
        <translation>Senyal rebut</translation>
    </message>
    <message>
        <source>Bajo cada código, la señal que llega tras la ganancia del receptor, sus umbrales y los bits que decide</source>
        <translation>Sota cada codi, el senyal que arriba després del guany del receptor, els seus llindars i els bits que decideix</translation>
    </message>
    <message>
        <source>Recuperar el reloj del código elegido</source>
        <translation>Recupera el rellotge del codi triat</translation>
    </message>
    <message>
        <source>Reloj recuperado</source>
        <translation>Rellotge recuperat</translation>
    </message>
    <message>
        <source>Bajo el reloj, el que recupera el receptor del código elegido, con sus deslizamientos</source>
        <translation>Sota el rellotge, el que recupera el receptor del codi triat, amb els seus lliscaments</translation>
    </message>
    <message>
        <source>Deslizamientos del reloj: 0</source>
        <translation>Lliscaments del rellotge: 0</translation>
    </message>
    <message>
        <source>Deslizamientos del reloj</source>
        <translation>Lliscaments del rellotge</translation>
    </message>
    <message>
        <source>Cuántas veces el reloj recuperado se desvía más de un cuarto de bit</source>
        <translation>Quantes vegades el rellotge recuperat es desvia més d&apos;un quart de bit</translation>
    </message>
    <message>
        <source>Diagrama de ojo</source>
        <translation>Diagrama d&apos;ull</translation>
    </message>
    <message>
        <source>Lo que llega de cada bit del código elegido, superpuesto de dos en dos bits</source>
        <translation>El que arriba de cada bit del codi triat, superposat de dos en dos bits</translation>
    </message>
    <message>
        <source>Medidas del ojo</source>
        <translation>Mesures de l&apos;ull</translation>
    </message>
    <message>
        <source>Altura y anchura del ojo del código elegido</source>
        <translation>Alçada i amplada de l&apos;ull del codi triat</translation>
    </message>
    <message>
        <source>Tasa de errores</source>
        <translation>Taxa d&apos;errors</translation>
    </message>
    <message>
        <source>Tasa de errores de bit de los códigos elegidos frente a Eb/N0: medida en puntos, teórica en curvas</source>
        <translation>Taxa d&apos;errors de bit dels codis triats davant Eb/N0: mesurada en punts, teòrica en corbes</translation>
    </message>
    <message>
        <source>Medir la tasa de errores</source>
        <translation>Mesura la taxa d&apos;errors</translation>
    </message>
    <message>
        <source>Mide la tasa de errores de los códigos elegidos por esta línea, de 0 a 12 dB de Eb/N0</source>
        <translation>Mesura la taxa d&apos;errors dels codis triats per aquesta línia, de 0 a 12 dB d&apos;Eb/N0</translation>
    </message>
    <message>
        <source>Progreso de la medida</source>
        <translation>Progrés de la mesura</translation>
    </message>
    <message>
        <source>Cuántos puntos de la tasa de errores se han medido</source>
        <translation>Quants punts de la taxa d&apos;errors s&apos;han mesurat</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>Cancelar la medida</source>
        <translation>Cancel·la la mesura</translation>
    </message>
    <message>
        <source>Para la medida; los puntos ya medidos se quedan</source>
        <translation>Atura la mesura; els punts ja mesurats es queden</translation>
    </message>
</context>
<context>
    <name>laboratorio::DibujoCodigos</name>
    <message>
        <source>Reloj</source>
        <translation>Rellotge</translation>
    </message>
    <message>
        <source>Recuperado</source>
        <translation>Recuperat</translation>
    </message>
    <message>
        <source>recibida</source>
        <translation>rebut</translation>
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
        <translation>Taxa d&apos;errors: %1 bits per punt; la corba, la teoria.</translation>
    </message>
</context>
<context>
    <name>laboratorio::GraficoEspectro</name>
    <message>
        <source>densidad espectral (potencia media 1)</source>
        <translation>densitat espectral (potència mitjana 1)</translation>
    </message>
    <message>
        <source>dB (potencia media 1)</source>
        <translation>dB (potència mitjana 1)</translation>
    </message>
    <message>
        <source>Estimada con %1 bits al azar; a trazos, la fórmula teórica.</source>
        <translation>Estimada amb %1 bits a l&apos;atzar; a traços, la fórmula teòrica.</translation>
    </message>
    <message>
        <source> (solo estimada)</source>
        <translation> (només estimada)</translation>
    </message>
</context>
<context>
    <name>laboratorio::GraficoOjo</name>
    <message>
        <source>Ojo de %1: %2 bits al azar, dos bits por trazo</source>
        <translation>Ull de %1: %2 bits a l&apos;atzar, dos bits per traç</translation>
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
        <translation>Símbol</translation>
    </message>
    <message>
        <source>Nivel 1</source>
        <translation>Nivell 1</translation>
    </message>
    <message>
        <source>Nivel 2</source>
        <translation>Nivell 2</translation>
    </message>
    <message>
        <source>Motivo</source>
        <translation>Motiu</translation>
    </message>
</context>
<context>
    <name>laboratorio::PanelLinea</name>
    <message>
        <source>Sin el ruido, el ojo está cerrado: el receptor se equivoca.</source>
        <translation>Sense el soroll, l&apos;ull està tancat: el receptor s&apos;equivoca.</translation>
    </message>
    <message>
        <source>El ojo está cerrado: el receptor se equivoca.</source>
        <translation>L&apos;ull està tancat: el receptor s&apos;equivoca.</translation>
    </message>
    <message>
        <source>Sin el ruido, altura del ojo: %1 · anchura: %2 del bit</source>
        <translation>Sense el soroll, alçada de l&apos;ull: %1 · amplada: %2 del bit</translation>
    </message>
    <message>
        <source>Altura del ojo: %1 · anchura: %2 del bit</source>
        <translation>Alçada de l&apos;ull: %1 · amplada: %2 del bit</translation>
    </message>
    <message>
        <source>Deslizamientos del reloj: %1</source>
        <translation>Lliscaments del rellotge: %1</translation>
    </message>
</context>
<context>
    <name>laboratorio::VentanaLaboratorio</name>
    <message>
        <source>error de línea en la primera mitad</source>
        <translation>error de línia a la primera meitat</translation>
    </message>
    <message>
        <source>error de línea en la segunda mitad</source>
        <translation>error de línia a la segona meitat</translation>
    </message>
    <message>
        <source>el receptor decide mal la primera mitad</source>
        <translation>el receptor decideix malament la primera meitat</translation>
    </message>
    <message>
        <source>el receptor decide mal la segunda mitad</source>
        <translation>el receptor decideix malament la segona meitat</translation>
    </message>
    <message>
        <source>Escribe de 1 a %1 bits.</source>
        <translation>Escriu d&apos;1 a %1 bits.</translation>
    </message>
    <message>
        <source>%1 bits.</source>
        <translation>%1 bits.</translation>
    </message>
    <message>
        <source>Para verlos en hexadecimal, los bits han de ser un múltiplo de 4.</source>
        <translation>Per veure&apos;ls en hexadecimal, els bits han de ser un múltiple de 4.</translation>
    </message>
    <message>
        <source>Para verlos como texto, los bits han de ser bytes enteros de caracteres visibles.</source>
        <translation>Per veure&apos;ls com a text, els bits han de ser bytes sencers de caràcters visibles.</translation>
    </message>
    <message>
        <source>La línea hace que el receptor decida mal %1 medios bits. </source>
        <translation>La línia fa que el receptor decideixi malament %1 mitjos bits. </translation>
    </message>
    <message>
        <source>Bits erróneos: %1.</source>
        <translation>Bits erronis: %1.</translation>
    </message>
    <message>
        <source>No cambia ningún bit.</source>
        <translation>No canvia cap bit.</translation>
    </message>
    <message>
        <source>El error no cambia ningún bit.</source>
        <translation>L&apos;error no canvia cap bit.</translation>
    </message>
    <message>
        <source> Detectado: %1.</source>
        <translation> Detectat: %1.</translation>
    </message>
    <message>
        <source> El receptor no ve ninguna violación.</source>
        <translation> El receptor no veu cap violació.</translation>
    </message>
    <message>
        <source> Este código no detecta errores de línea.</source>
        <translation> Aquest codi no detecta errors de línia.</translation>
    </message>
</context>
<context>
    <name>linea</name>
    <message>
        <source>uso: tramavox --ber --codigo CÓDIGO --ebn0 0,2,4 [--bits 200000] [--semilla S] [--perdida DB] [--acoplamiento F]</source>
        <translation>ús: tramavox --ber --codigo CODI --ebn0 0,2,4 [--bits 200000] [--semilla S] [--perdida DB] [--acoplamiento F]</translation>
    </message>
    <message>
        <source>a «%1» le falta su valor</source>
        <translation>a «%1» li falta el valor</translation>
    </message>
    <message>
        <source>«%1» no es un código</source>
        <translation>«%1» no és un codi</translation>
    </message>
    <message>
        <source>«%1» no es un Eb/N0 en dB</source>
        <translation>«%1» no és un Eb/N0 en dB</translation>
    </message>
    <message>
        <source>los bits han de ser de 1 a %1</source>
        <translation>els bits han de ser d&apos;1 a %1</translation>
    </message>
    <message>
        <source>la semilla ha de ser un número entero positivo</source>
        <translation>la llavor ha de ser un nombre enter positiu</translation>
    </message>
    <message>
        <source>la pérdida del cable ha de ser de 0 a %1 dB</source>
        <translation>la pèrdua del cable ha de ser de 0 a %1 dB</translation>
    </message>
    <message>
        <source>el corte del acoplamiento ha de ser una fracción de la velocidad binaria de 0 a %1</source>
        <translation>el tall de l&apos;acoblament ha de ser una fracció de la velocitat binària de 0 a %1</translation>
    </message>
    <message>
        <source>no se conoce la opción «%1»</source>
        <translation>no es coneix l&apos;opció «%1»</translation>
    </message>
    <message>
        <source>falta el código (--codigo)</source>
        <translation>falta el codi (--codigo)</translation>
    </message>
    <message>
        <source>faltan los valores de Eb/N0 (--ebn0)</source>
        <translation>falten els valors d&apos;Eb/N0 (--ebn0)</translation>
    </message>
</context>
<context>
    <name>preguntas</name>
    <message>
        <source>&lt;p&gt;Antes del primer bit: %1.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Abans del primer bit: %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1: leer %2 bits (%3)</source>
        <translation>%1: llegir %2 bits (%3)</translation>
    </message>
    <message>
        <source>&lt;p&gt;Este dibujo es la señal %1 de %2 bits, con el reloj encima.&lt;/p&gt;%3&lt;p&gt;&lt;img src=&quot;@@PLUGINFILE@@/%4&quot; alt=&quot;Señal %1 de %2 bits&quot;&gt;&lt;/p&gt;&lt;p&gt;Escribe los bits, o su valor en hexadecimal.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Aquest dibuix és el senyal %1 de %2 bits, amb el rellotge a sobre.&lt;/p&gt;%3&lt;p&gt;&lt;img src=&quot;@@PLUGINFILE@@/%4&quot; alt=&quot;Senyal %1 de %2 bits&quot;&gt;&lt;/p&gt;&lt;p&gt;Escriu els bits, o el seu valor en hexadecimal.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Los bits son %1 (%2 en hexadecimal).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Els bits són %1 (%2 en hexadecimal).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1: elegir la señal de %2 bits (%3)</source>
        <translation>%1: triar el senyal de %2 bits (%3)</translation>
    </message>
    <message>
        <source>&lt;p&gt;¿Cuál es la señal %1 de %2?&lt;/p&gt;%3</source>
        <translation>&lt;p&gt;Quin és el senyal %1 de %2?&lt;/p&gt;%3</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;img src=&quot;@@PLUGINFILE@@/%1&quot; alt=&quot;Una señal de %2 bits&quot;&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;img src=&quot;@@PLUGINFILE@@/%1&quot; alt=&quot;Un senyal de %2 bits&quot;&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Correcto.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Correcte.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>uso: tramavox --moodle FICHERO [--preguntas N] [--codigos HDB3,AMI,…] [--bits 16] [--semilla S]</source>
        <translation>ús: tramavox --moodle FITXER [--preguntas N] [--codigos HDB3,AMI,…] [--bits 16] [--semilla S]</translation>
    </message>
    <message>
        <source>«%1» no es un código; los códigos son %2</source>
        <translation>«%1» no és un codi; els codis són %2</translation>
    </message>
    <message>
        <source>falta el fichero de preguntas que se ha de escribir</source>
        <translation>falta el fitxer de preguntes que s&apos;ha d&apos;escriure</translation>
    </message>
    <message>
        <source>a «%1» le falta su valor</source>
        <translation>a «%1» li falta el valor</translation>
    </message>
    <message>
        <source>el número de preguntas ha de ser de 1 a %1</source>
        <translation>el nombre de preguntes ha de ser d&apos;1 a %1</translation>
    </message>
    <message>
        <source>los bits han de ser un múltiplo de 4 de %1 a %2 (cada cifra hexadecimal son 4)</source>
        <translation>els bits han de ser un múltiple de 4 de %1 a %2 (cada xifra hexadecimal són 4)</translation>
    </message>
    <message>
        <source>la semilla ha de ser un número entero positivo</source>
        <translation>la llavor ha de ser un nombre enter positiu</translation>
    </message>
    <message>
        <source>no se conoce la opción «%1»</source>
        <translation>no es coneix l&apos;opció «%1»</translation>
    </message>
    <message>
        <source>tramavox: no se pudo escribir «%1»: %2.</source>
        <translation>tramavox: no s&apos;ha pogut escriure «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>principal</name>
    <message>
        <source>reloj</source>
        <translation>rellotge</translation>
    </message>
    <message>
        <source>Forma de onda de 16 bits: %1</source>
        <translation>Forma d&apos;ona de 16 bits: %1</translation>
    </message>
    <message>
        <source>ninguna señal a la vista</source>
        <translation>cap senyal a la vista</translation>
    </message>
    <message>
        <source>Sistemas de Telefonía (Tramavox)</source>
        <translation>Sistemes de Telefonia (Tramavox)</translation>
    </message>
    <message>
        <source>Dibujo de las señales</source>
        <translation>Dibuix dels senyals</translation>
    </message>
    <message>
        <source>El reloj y las formas de onda NRZ, RZ, AMI y HDB3 del número; cada casilla de la rejilla es un bit</source>
        <translation>El rellotge i les formes d&apos;ona NRZ, RZ, AMI i HDB3 del nombre; cada casella de la graella és un bit</translation>
    </message>
    <message>
        <source>Nombres de las señales</source>
        <translation>Noms dels senyals</translation>
    </message>
    <message>
        <source>Pulsa el nombre de una señal para mostrarla u ocultarla</source>
        <translation>Prem el nom d&apos;un senyal per mostrar-lo o amagar-lo</translation>
    </message>
    <message>
        <source>RZ</source>
        <translation>RZ</translation>
    </message>
    <message>
        <source>Señal RZ</source>
        <translation>Senyal RZ</translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal RZ</source>
        <translation>Prem per mostrar o amagar el senyal RZ</translation>
    </message>
    <message>
        <source>NRZ</source>
        <translation>NRZ</translation>
    </message>
    <message>
        <source>Señal NRZ</source>
        <translation>Senyal NRZ</translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal NRZ</source>
        <translation>Prem per mostrar o amagar el senyal NRZ</translation>
    </message>
    <message>
        <source>CLK</source>
        <translation>CLK</translation>
    </message>
    <message>
        <source>Señal CLK</source>
        <translation>Senyal CLK</translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal CLK</source>
        <translation>Prem per mostrar o amagar el senyal CLK</translation>
    </message>
    <message>
        <source>AMI</source>
        <translation>AMI</translation>
    </message>
    <message>
        <source>Señal AMI</source>
        <translation>Senyal AMI</translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal AMI</source>
        <translation>Prem per mostrar o amagar el senyal AMI</translation>
    </message>
    <message>
        <source>HDB3</source>
        <translation>HDB3</translation>
    </message>
    <message>
        <source>Señal HDB3</source>
        <translation>Senyal HDB3</translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal HDB3</source>
        <translation>Prem per mostrar o amagar el senyal HDB3</translation>
    </message>
    <message>
        <source>Periodo </source>
        <translation>Període </translation>
    </message>
    <message>
        <source>Periodo de bit</source>
        <translation>Període de bit</translation>
    </message>
    <message>
        <source>Ancho de un bit en el dibujo, de 1 a 10; se mueve con las flechas</source>
        <translation>Amplada d&apos;un bit al dibuix, d&apos;1 a 10; es mou amb les fletxes</translation>
    </message>
    <message>
        <source>Número</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>0000</source>
        <translation>0000</translation>
    </message>
    <message>
        <source>Número hexadecimal</source>
        <translation>Nombre hexadecimal</translation>
    </message>
    <message>
        <source>Escribe cifras hexadecimales en cualquier parte de la ventana; entran por la derecha</source>
        <translation>Escriu xifres hexadecimals en qualsevol lloc de la finestra; entren per la dreta</translation>
    </message>
    <message>
        <source>Hexa.</source>
        <translation>Hexa.</translation>
    </message>
    <message>
        <source>000000000000000</source>
        <translation>000000000000000</translation>
    </message>
    <message>
        <source>Número en binario</source>
        <translation>Nombre en binari</translation>
    </message>
    <message>
        <source>Los 16 bits del número</source>
        <translation>Els 16 bits del nombre</translation>
    </message>
    <message>
        <source>Binario</source>
        <translation>Binari</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Vuelve el número a 0000</source>
        <translation>Torna el nombre a 0000</translation>
    </message>
    <message>
        <source>Cadena HDB3</source>
        <translation>Cadena HDB3</translation>
    </message>
    <message>
        <source>Los símbolos HDB3 de ocho copias del número, con sus sustituciones B y V</source>
        <translation>Els símbols HDB3 de vuit còpies del nombre, amb les seves substitucions B i V</translation>
    </message>
    <message>
        <source>¿A qué número hexadecimal se corresponde el código que se muestra?</source>
        <translation>A quin nombre hexadecimal correspon el codi que es mostra?</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Visualitza</translation>
    </message>
    <message>
        <source>Reloj</source>
        <translation>Rellotge</translation>
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
        <translation>Mostra-ho tot</translation>
    </message>
    <message>
        <source>Ocultar todos</source>
        <translation>Amaga-ho tot</translation>
    </message>
    <message>
        <source>Ampliar</source>
        <translation>Amplia</translation>
    </message>
    <message>
        <source>Reducir</source>
        <translation>Redueix</translation>
    </message>
    <message>
        <source>Tamaño normal</source>
        <translation>Mida normal</translation>
    </message>
    <message>
        <source>Ampliación: 100 %</source>
        <translation>Ampliació: 100 %</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Idioma</translation>
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
        <translation>Utilitats</translation>
    </message>
    <message>
        <source>Proponer ejercicio</source>
        <translation>Proposa un exercici</translation>
    </message>
    <message>
        <source>Laboratorio de códigos…</source>
        <translation>Laboratori de codis…</translation>
    </message>
    <message>
        <source>Entrenador de códigos…</source>
        <translation>Entrenador de codis…</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Acerca de ...</source>
        <translation>Quant a ...</translation>
    </message>
    <message>
        <source>Ayuda ...</source>
        <translation>Ajuda ...</translation>
    </message>
</context>
<context>
    <name>principal::VentanaPrincipal</name>
    <message>
        <source>Ampliación: %1 %</source>
        <translation>Ampliació: %1 %</translation>
    </message>
    <message>
        <source>Copiar imagen</source>
        <translation>Copia la imatge</translation>
    </message>
    <message>
        <source>Guardar imagen…</source>
        <translation>Desa la imatge…</translation>
    </message>
    <message>
        <source>Guardar imagen</source>
        <translation>Desa la imatge</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png);;Dibujo vectorial SVG (*.svg)</source>
        <translation>Imatge PNG (*.png);;Dibuix vectorial SVG (*.svg)</translation>
    </message>
    <message>
        <source>No se pudo guardar la imagen en «%1»: %2.</source>
        <translation>No s&apos;ha pogut desar la imatge a «%1»: %2.</translation>
    </message>
</context>
</TS>
