<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl" sourcelanguage="es">
<context>
    <name>Ejerc</name>
    <message>
        <source>Ejercicios</source>
        <translation>Exercicios</translation>
    </message>
    <message>
        <source>Estadísticas</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Barra de aciertos</source>
        <translation>Barra de acertos</translation>
    </message>
    <message>
        <source>El porcentaje de aciertos del alumno elegido</source>
        <translation>A porcentaxe de acertos do alumno escollido</translation>
    </message>
    <message>
        <source>Detalles</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Abre la vista de toda la clase para el profesor</source>
        <translation>Abre a vista de toda a clase para o profesor</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Borra las estadísticas del alumno elegido, tras confirmarlo</source>
        <translation>Borra as estatísticas do alumno escollido, despois de confirmalo</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Porcentaje de aciertos</source>
        <translation>Porcentaxe de acertos</translation>
    </message>
    <message>
        <source>Estadística del alumno elegido</source>
        <translation>Estatística do alumno escollido</translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation>Acertos</translation>
    </message>
    <message>
        <source>Errores</source>
        <translation>Erros</translation>
    </message>
    <message>
        <source>Total de respuestas</source>
        <translation>Total de respostas</translation>
    </message>
    <message>
        <source>Introduce tu nombre</source>
        <translation>Escribe o teu nome</translation>
    </message>
    <message>
        <source>Alumno</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Escribe tu nombre y pulsa Intro, o elige uno de la lista</source>
        <translation>Escribe o teu nome e preme Intro, ou escolle un da lista</translation>
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
        <translation>Alumno:</translation>
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
        <translation>Escribe as cifras hexadecimais do número que les no debuxo</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Comprueba la respuesta y la cuenta para el alumno</source>
        <translation>Comproba a resposta e cóntaa para o alumno</translation>
    </message>
    <message>
        <source>Código a  ejercitar</source>
        <translation>Código que exercitar</translation>
    </message>
    <message>
        <source>NRZ</source>
        <translation>NRZ</translation>
    </message>
    <message>
        <source>Código que se dibuja en los ejercicios</source>
        <translation>Código que se debuxa nos exercicios</translation>
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
        <translation>Aleatorio</translation>
    </message>
    <message>
        <source>Proponer</source>
        <translation>Propor</translation>
    </message>
    <message>
        <source>Propone un ejercicio nuevo</source>
        <translation>Propón un exercicio novo</translation>
    </message>
    <message>
        <source>Solución</source>
        <translation>Solución</translation>
    </message>
    <message>
        <source>Muestra el número; la respuesta ya no cuenta</source>
        <translation>Mostra o número; a resposta xa non conta</translation>
    </message>
    <message>
        <source>Periodo </source>
        <translation>Período </translation>
    </message>
    <message>
        <source>Periodo de bit</source>
        <translation>Período de bit</translation>
    </message>
    <message>
        <source>Ancho de un bit en el dibujo de la ventana principal</source>
        <translation>Largura dun bit no debuxo da xanela principal</translation>
    </message>
    <message>
        <source>Text1</source>
        <translation>Text1</translation>
    </message>
    <message>
        <source>Teclado de la respuesta</source>
        <translation>Teclado da resposta</translation>
    </message>
    <message>
        <source>Tras elegir alumno, las cifras tecleadas van a la respuesta</source>
        <translation>Despois de escoller alumno, as cifras tecleadas van á resposta</translation>
    </message>
    <message>
        <source>La respuesta es incorrecta</source>
        <translation>A resposta é incorrecta</translation>
    </message>
    <message>
        <source>Examen</source>
        <translation>Exame</translation>
    </message>
    <message>
        <source>La pregunta del examen y el tiempo que queda</source>
        <translation>A pregunta do exame e o tempo que queda</translation>
    </message>
</context>
<context>
    <name>acerca</name>
    <message>
        <source>Acerca de Tramavox</source>
        <translation>Acerca de Tramavox</translation>
    </message>
    <message>
        <source>Imagen y ciclo formativo del programa</source>
        <translation>Imaxe e ciclo formativo do programa</translation>
    </message>
    <message>
        <source>Imagen del aula</source>
        <translation>Imaxe da aula</translation>
    </message>
    <message>
        <source>Alumnos en los bancos de un laboratorio de telefonía</source>
        <translation>Alumnos nos bancos dun laboratorio de telefonía</translation>
    </message>
    <message>
        <source>    Ciclo Formativo de Grado Superior   Sistemas de Telecomunicación e Informáticos.</source>
        <translation>    Ciclo Formativo de Grao Superior   Sistemas de Telecomunicación e Informáticos.</translation>
    </message>
    <message>
        <source>Descripción del programa</source>
        <translation>Descrición do programa</translation>
    </message>
    <message>
        <source>Para qué y para quién se hizo el programa</source>
        <translation>Para que e para quen se fixo o programa</translation>
    </message>
    <message>
        <source>Programa y dibujos: equipo Tramavox</source>
        <translation>Programa e debuxos: equipo Tramavox</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cierra esta ventana</source>
        <translation>Pecha esta xanela</translation>
    </message>
    <message>
        <source>Sistemas de Telefonía</source>
        <translation>Sistemas de Telefonía</translation>
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
        <translation>Programa de exercicio dos códigos <byte value="xd"/>
de datos serie usados en telefonía desenvolvido para o módulo <byte value="xd"/>
de iniciación profesional &quot;Sistemas <byte value="xd"/>
de Telefonía&quot;, pertencente ao <byte value="xd"/>
ciclo formativo de grao superior <byte value="xd"/>
&quot;Sistemas de Telecomunicación e <byte value="xd"/>
Informáticos&quot;.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>almacen</name>
    <message>
        <source>las cuentas no son dos números enteros positivos</source>
        <translation>as contas non son dous números enteiros positivos</translation>
    </message>
    <message>
        <source>tiene más aciertos (%1) que respuestas (%2)</source>
        <translation>ten máis acertos (%1) que respostas (%2)</translation>
    </message>
    <message>
        <source>está en blanco</source>
        <translation>está en branco</translation>
    </message>
    <message>
        <source>tiene caracteres nulos</source>
        <translation>ten caracteres nulos</translation>
    </message>
    <message>
        <source>no tiene nombre</source>
        <translation>non ten nome</translation>
    </message>
    <message>
        <source>el nombre pasa de %1 caracteres</source>
        <translation>o nome pasa de %1 caracteres</translation>
    </message>
    <message>
        <source>línea %1: %2</source>
        <translation>liña %1: %2</translation>
    </message>
    <message>
        <source>El nombre no puede pasar de %1 caracteres.</source>
        <translation>O nome non pode pasar de %1 caracteres.</translation>
    </message>
    <message>
        <source>El nombre no puede llevar «%1»: el fichero de notas no puede guardarlo.</source>
        <translation>O nome non pode levar «%1»: o ficheiro de notas non pode gardalo.</translation>
    </message>
    <message>
        <source>«%1» no es una carpeta</source>
        <translation>«%1» non é un cartafol</translation>
    </message>
    <message>
        <source>no se puede crear en ella la carpeta de los registros «%1»: %2</source>
        <translation>non se pode crear nel o cartafol dos rexistros «%1»: %2</translation>
    </message>
    <message>
        <source>no se puede crear en ella el registro de este puesto: %1</source>
        <translation>non se pode crear nel o rexistro deste posto: %1</translation>
    </message>
    <message>
        <source>la carpeta compartida no garantiza que un fichero nuevo sea solo del puesto que lo crea</source>
        <translation>o cartafol compartido non garante que un ficheiro novo sexa só do posto que o crea</translation>
    </message>
    <message>
        <source>no se pudo leer «%1»: %2</source>
        <translation>non se puido ler «%1»: %2</translation>
    </message>
    <message>
        <source>no se pudo guardar la copia del historial: %1</source>
        <translation>non se puido gardar a copia do historial: %1</translation>
    </message>
    <message>
        <source>el registro de este puesto no está abierto</source>
        <translation>o rexistro deste posto non está aberto</translation>
    </message>
    <message>
        <source>«%1» ya no está en la clase: otro puesto lo ha borrado</source>
        <translation>«%1» xa non está na clase: outro posto borrouno</translation>
    </message>
    <message>
        <source>el fichero de la contraseña del profesor «%1» está dañado</source>
        <translation>o ficheiro do contrasinal do profesor «%1» está danado</translation>
    </message>
    <message>
        <source>la contraseña actual no es la del profesor</source>
        <translation>o contrasinal actual non é o do profesor</translation>
    </message>
    <message>
        <source>la contraseña ha de tener al menos %1 caracteres</source>
        <translation>o contrasinal ten que ter polo menos %1 caracteres</translation>
    </message>
    <message>
        <source>no se puede usar la biblioteca de cifrado</source>
        <translation>non se pode usar a biblioteca de cifrado</translation>
    </message>
    <message>
        <source>no hay memoria bastante para cifrar la contraseña</source>
        <translation>non hai memoria dabondo para cifrar o contrasinal</translation>
    </message>
    <message>
        <source>El examen ha de tener un nombre.</source>
        <translation>O exame ten que ter un nome.</translation>
    </message>
    <message>
        <source>Elige al menos un código para el examen.</source>
        <translation>Escolle polo menos un código para o exame.</translation>
    </message>
    <message>
        <source>El examen ha de tener de 1 a %1 preguntas.</source>
        <translation>O exame ten que ter de 1 a %1 preguntas.</translation>
    </message>
    <message>
        <source>El examen ha de durar de 1 a %1 minutos.</source>
        <translation>O exame ten que durar de 1 a %1 minutos.</translation>
    </message>
</context>
<context>
    <name>ayu</name>
    <message>
        <source>Ayuda</source>
        <translation>Axuda</translation>
    </message>
    <message>
        <source>RichTextBox1</source>
        <translation>RichTextBox1</translation>
    </message>
    <message>
        <source>Texto de ayuda</source>
        <translation>Texto de axuda</translation>
    </message>
    <message>
        <source>Cómo se usa el programa y la teoría de los códigos de línea</source>
        <translation>Como se usa o programa e a teoría dos códigos de liña</translation>
    </message>
</context>
<context>
    <name>ayuda</name>
    <message>
        <source>%1, del número %2.</source>
        <translation>%1, do número %2.</translation>
    </message>
    <message>
        <source>Señal %1 de los bits %2.</source>
        <translation>Sinal %1 dos bits %2.</translation>
    </message>
    <message>
        <source>%1 de los bits %2 tras %3 dB de cable: lo que llega, lo que lee el receptor y el reloj que recupera.</source>
        <translation>%1 dos bits %2 tras %3 dB de cable: o que chega, o que le o receptor e o reloxo que recupera.</translation>
    </message>
    <message>
        <source>Ojo de %1 tras %2 dB de cable, sin ruido.</source>
        <translation>Ollo de %1 tras %2 dB de cable, sen ruído.</translation>
    </message>
    <message>
        <source>Tasa de errores de %1: medida (puntos) y teórica (curvas).</source>
        <translation>Taxa de erros de %1: medida (puntos) e teórica (curvas).</translation>
    </message>
</context>
<context>
    <name>ayuda::VentanaAcerca</name>
    <message>
        <source>Dibujo de Tramavox</source>
        <translation>Debuxo de Tramavox</translation>
    </message>
    <message>
        <source>Las señales de reloj, NRZ, RZ, AMI y HDB3 de un número, como las dibuja el programa</source>
        <translation>Os sinais de reloxo, NRZ, RZ, AMI e HDB3 dun número, como os debuxa o programa</translation>
    </message>
</context>
<context>
    <name>ayuda::VentanaAyuda</name>
    <message>
        <source>No se pudo leer «%1»: %2. Se muestra la ayuda que lleva el programa.</source>
        <translation>Non se puido ler «%1»: %2. Móstrase a axuda que leva o programa.</translation>
    </message>
</context>
<context>
    <name>codigos</name>
    <message>
        <source>ocho ceros → 000VB0VB: V repite el signo del último pulso y B lo invierte</source>
        <translation>oito ceros → 000VB0VB: V repite o signo do último pulso e B invérteo</translation>
    </message>
    <message>
        <source>cuatro ceros tras un número par de marcas desde la última V → B00V</source>
        <translation>catro ceros tras un número par de marcas desde a última V → B00V</translation>
    </message>
    <message>
        <source>cuatro ceros tras un número impar de marcas desde la última V → 000V</source>
        <translation>catro ceros tras un número impar de marcas desde a última V → 000V</translation>
    </message>
    <message>
        <source>falta dibujar este medio bit</source>
        <translation>falta debuxar este medio bit</translation>
    </message>
    <message>
        <source>aquí va %1: %2</source>
        <translation>aquí vai %1: %2</translation>
    </message>
    <message>
        <source>falta la transición a mitad de bit</source>
        <translation>falta a transición a medio bit</translation>
    </message>
    <message>
        <source>la marca debe alternar</source>
        <translation>a marca debe alternar</translation>
    </message>
    <message>
        <source>el pulso dura medio bit</source>
        <translation>o pulso dura medio bit</translation>
    </message>
    <message>
        <source>aquí no hay pulso</source>
        <translation>aquí non hai pulso</translation>
    </message>
    <message>
        <source>aquí va un pulso</source>
        <translation>aquí vai un pulso</translation>
    </message>
    <message>
        <source>aquí va el nivel %1</source>
        <translation>aquí vai o nivel %1</translation>
    </message>
    <message>
        <source>NRZ unipolar</source>
        <translation>NRZ unipolar</translation>
    </message>
    <message>
        <source>NRZ unipolar: un 1 es nivel alto todo el bit; un 0, nivel cero.</source>
        <translation>NRZ unipolar: un 1 é nivel alto todo o bit; un 0, nivel cero.</translation>
    </message>
    <message>
        <source>NRZ polar</source>
        <translation>NRZ polar</translation>
    </message>
    <message>
        <source>NRZ polar: un 1 es +1 todo el bit; un 0, −1.</source>
        <translation>NRZ polar: un 1 é +1 todo o bit; un 0, −1.</translation>
    </message>
    <message>
        <source>NRZI: cada 1 cambia el nivel al empezar el bit; un 0 lo mantiene.</source>
        <translation>NRZI: cada 1 cambia o nivel ao comezar o bit; un 0 mantéño.</translation>
    </message>
    <message>
        <source>RZ unipolar: un 1 es un pulso en la primera mitad del bit; un 0, nivel cero.</source>
        <translation>RZ unipolar: un 1 é un pulso na primeira metade do bit; un 0, nivel cero.</translation>
    </message>
    <message>
        <source>AMI (ANSI T1.102): cada 1 es un pulso de medio bit de signo contrario al anterior; un 0, cero.</source>
        <translation>AMI (ANSI T1.102): cada 1 é un pulso de medio bit de signo contrario ao anterior; un 0, cero.</translation>
    </message>
    <message>
        <source>Pseudoternario</source>
        <translation>Pseudoternario</translation>
    </message>
    <message>
        <source>Pseudoternario (UIT-T I.430): cada 0 es un pulso de bit entero, de signo contrario al anterior; un 1, cero.</source>
        <translation>Pseudoternario (UIT-T I.430): cada 0 é un pulso de bit enteiro, de signo contrario ao anterior; un 1, cero.</translation>
    </message>
    <message>
        <source>HDB3 (UIT-T G.703): AMI en que cuatro ceros son 000V tras un número impar de marcas desde la última V, o B00V tras un número par.</source>
        <translation>HDB3 (UIT-T G.703): AMI en que catro ceros son 000V tras un número impar de marcas desde a última V, ou B00V tras un número par.</translation>
    </message>
    <message>
        <source>B8ZS (ANSI T1.102): AMI en que ocho ceros son 000VB0VB.</source>
        <translation>B8ZS (ANSI T1.102): AMI en que oito ceros son 000VB0VB.</translation>
    </message>
    <message>
        <source>CMI (UIT-T G.703): un 1 ocupa el bit entero, alto y bajo por turnos; un 0 es bajo y luego alto.</source>
        <translation>CMI (UIT-T G.703): un 1 ocupa o bit enteiro, alto e baixo por quendas; un 0 é baixo e logo alto.</translation>
    </message>
    <message>
        <source>Manchester (IEEE 802.3): un 1 sube a mitad de bit; un 0 baja (al revés que el convenio de G. E. Thomas).</source>
        <translation>Manchester (IEEE 802.3): un 1 sobe a medio bit; un 0 baixa (ao revés que a convención de G. E. Thomas).</translation>
    </message>
    <message>
        <source>Manchester diferencial</source>
        <translation>Manchester diferencial</translation>
    </message>
    <message>
        <source>Manchester diferencial: siempre hay transición a mitad de bit, y además al empezar cada 0.</source>
        <translation>Manchester diferencial: sempre hai transición a medio bit, e ademais ao comezar cada 0.</translation>
    </message>
    <message>
        <source>2B1Q (ANSI T1.601): dos bits por símbolo, el primero el signo y el segundo la magnitud: 10 +3, 11 +1, 01 −1, 00 −3; un último bit sin pareja va con un 0.</source>
        <translation>2B1Q (ANSI T1.601): dous bits por símbolo, o primeiro o signo e o segundo a magnitude: 10 +3, 11 +1, 01 −1, 00 −3; un último bit sen parella vai cun 0.</translation>
    </message>
    <message>
        <source>MLT-3: cada 1 avanza un paso por 0, +1, 0, −1; un 0 mantiene el nivel.</source>
        <translation>MLT-3: cada 1 avanza un paso por 0, +1, 0, −1; un 0 mantén o nivel.</translation>
    </message>
    <message>
        <source>Solo se admiten los bits 0 y 1; los espacios se ignoran.</source>
        <translation>Só se admiten os bits 0 e 1; os espazos ignóranse.</translation>
    </message>
    <message>
        <source>Solo se admiten las cifras hexadecimales 0-9 y A-F; los espacios se ignoran.</source>
        <translation>Só se admiten as cifras hexadecimais 0-9 e A-F; os espazos ignóranse.</translation>
    </message>
    <message>
        <source>Solo se admiten caracteres de un byte (Latin-1): cada uno da sus 8 bits.</source>
        <translation>Só se admiten caracteres dun byte (Latin-1): cada un dá os seus 8 bits.</translation>
    </message>
    <message>
        <source>Como mucho %1 bits.</source>
        <translation>Como moito %1 bits.</translation>
    </message>
    <message>
        <source>violación bipolar no esperada</source>
        <translation>violación bipolar non esperada</translation>
    </message>
    <message>
        <source>violación que no cuadra con la paridad inicial</source>
        <translation>violación que non cadra coa paridade inicial</translation>
    </message>
    <message>
        <source>violación con la polaridad de la anterior</source>
        <translation>violación coa polaridade da anterior</translation>
    </message>
    <message>
        <source>cuatro ceros seguidos, imposibles en HDB3,</source>
        <translation>catro ceros seguidos, imposibles en HDB3,</translation>
    </message>
    <message>
        <source>ocho ceros seguidos, imposibles en B8ZS,</source>
        <translation>oito ceros seguidos, imposibles en B8ZS,</translation>
    </message>
    <message>
        <source>violación de la alternancia CMI</source>
        <translation>violación da alternancia CMI</translation>
    </message>
    <message>
        <source>símbolo CMI no válido</source>
        <translation>símbolo CMI non válido</translation>
    </message>
    <message>
        <source>%1 en el bit %2</source>
        <translation>%1 no bit %2</translation>
    </message>
    <message>
        <source>las marcas no alternan: cada una lleva el signo contrario de la anterior</source>
        <translation>as marcas non alternan: cada unha leva o signo contrario da anterior</translation>
    </message>
    <message>
        <source>se empezó con el signo contrario: mira el último pulso antes del primer bit</source>
        <translation>empezouse co signo contrario: mira o último pulso antes do primeiro bit</translation>
    </message>
    <message>
        <source>se partió del nivel contrario: mira el nivel antes del primer bit</source>
        <translation>partiuse do nivel contrario: mira o nivel antes do primeiro bit</translation>
    </message>
    <message>
        <source>unos y ceros al revés: el 1 es el nivel alto</source>
        <translation>uns e ceros ao revés: o 1 é o nivel alto</translation>
    </message>
    <message>
        <source>así es NRZ polar: en unipolar el 0 no tiene tensión</source>
        <translation>así é NRZ polar: en unipolar o 0 non ten tensión</translation>
    </message>
    <message>
        <source>así es RZ: en NRZ el nivel dura todo el bit</source>
        <translation>así é RZ: en NRZ o nivel dura todo o bit</translation>
    </message>
    <message>
        <source>unos y ceros al revés: el 1 es positivo y el 0 negativo</source>
        <translation>uns e ceros ao revés: o 1 é positivo e o 0 negativo</translation>
    </message>
    <message>
        <source>así es NRZ unipolar: en polar el 0 es negativo</source>
        <translation>así é NRZ unipolar: en polar o 0 é negativo</translation>
    </message>
    <message>
        <source>así es NRZI: en NRZ polar el nivel dice el bit</source>
        <translation>así é NRZI: en NRZ polar o nivel di o bit</translation>
    </message>
    <message>
        <source>el cambio va en los ceros: en NRZI cada 1 cambia el nivel</source>
        <translation>o cambio vai nos ceros: en NRZI cada 1 cambia o nivel</translation>
    </message>
    <message>
        <source>así es NRZ polar: en NRZI el bit no lo dice el nivel, sino el cambio</source>
        <translation>así é NRZ polar: en NRZI o bit non o di o nivel, senón o cambio</translation>
    </message>
    <message>
        <source>así es NRZ unipolar: en RZ el pulso vuelve a cero a mitad de bit</source>
        <translation>así é NRZ unipolar: en RZ o pulso volve a cero a medio bit</translation>
    </message>
    <message>
        <source>unos y ceros al revés: el pulso es el 1</source>
        <translation>uns e ceros ao revés: o pulso é o 1</translation>
    </message>
    <message>
        <source>el pulso va en la primera mitad del bit, no en la segunda</source>
        <translation>o pulso vai na primeira metade do bit, non na segunda</translation>
    </message>
    <message>
        <source>así es pseudoternario: en AMI los pulsos son los unos</source>
        <translation>así é pseudoternario: en AMI os pulsos son os uns</translation>
    </message>
    <message>
        <source>el pulso dura todo el bit: en AMI dura medio bit</source>
        <translation>o pulso dura todo o bit: en AMI dura medio bit</translation>
    </message>
    <message>
        <source>así es AMI: en pseudoternario los pulsos son los ceros</source>
        <translation>así é AMI: en pseudoternario os pulsos son os ceros</translation>
    </message>
    <message>
        <source>sin sustituciones: así queda en AMI, y en HDB3 cada cuatro ceros seguidos se sustituyen</source>
        <translation>sen substitucións: así queda en AMI, e en HDB3 cada catro ceros seguidos substitúense</translation>
    </message>
    <message>
        <source>se eligió mal entre 000V y B00V: cuenta las marcas desde la última V</source>
        <translation>escolleuse mal entre 000V e B00V: conta as marcas desde a última V</translation>
    </message>
    <message>
        <source>la V lleva la polaridad contraria: repite la del pulso anterior</source>
        <translation>a V leva a polaridade contraria: repite a do pulso anterior</translation>
    </message>
    <message>
        <source>sin sustituciones: así queda en AMI, y en B8ZS cada ocho ceros seguidos se sustituyen</source>
        <translation>sen substitucións: así queda en AMI, e en B8ZS cada oito ceros seguidos substitúense</translation>
    </message>
    <message>
        <source>el patrón 000VB0VB va desplazado: empieza en el primero de los ocho ceros</source>
        <translation>o patrón 000VB0VB vai desprazado: comeza no primeiro dos oito ceros</translation>
    </message>
    <message>
        <source>la B no alterna: lleva el signo contrario del pulso anterior</source>
        <translation>a B non alterna: leva o signo contrario do pulso anterior</translation>
    </message>
    <message>
        <source>el 0 va al revés: en CMI es bajo en la primera mitad y alto en la segunda</source>
        <translation>o 0 vai ao revés: en CMI é baixo na primeira metade e alto na segunda</translation>
    </message>
    <message>
        <source>los unos no alternan: cada 1 lleva el nivel contrario del 1 anterior</source>
        <translation>os uns non alternan: cada 1 leva o nivel contrario do 1 anterior</translation>
    </message>
    <message>
        <source>las transiciones van al revés: es el convenio de G. E. Thomas, no el de IEEE 802.3</source>
        <translation>as transicións van ao revés: é a convención de G. E. Thomas, non a de IEEE 802.3</translation>
    </message>
    <message>
        <source>así es NRZ polar: falta la transición a mitad de bit</source>
        <translation>así é NRZ polar: falta a transición a medio bit</translation>
    </message>
    <message>
        <source>así es Manchester diferencial: en Manchester el sentido de la transición dice el bit</source>
        <translation>así é Manchester diferencial: en Manchester o sentido da transición di o bit</translation>
    </message>
    <message>
        <source>el cambio al principio del bit va en los unos: en el diferencial lo lleva cada 0</source>
        <translation>o cambio ao principio do bit vai nos uns: no diferencial lévao cada 0</translation>
    </message>
    <message>
        <source>así es Manchester: en el diferencial el bit lo dice si hay cambio al principio</source>
        <translation>así é Manchester: no diferencial o bit dio se hai cambio ao principio</translation>
    </message>
    <message>
        <source>signo y magnitud cambiados: el primer bit de cada par da el signo</source>
        <translation>signo e magnitude cambiados: o primeiro bit de cada par dá o signo</translation>
    </message>
    <message>
        <source>las magnitudes al revés: un 1 en el segundo bit es ±1 y un 0 es ±3</source>
        <translation>as magnitudes ao revés: un 1 no segundo bit é ±1 e un 0 é ±3</translation>
    </message>
    <message>
        <source>el signo al revés: un 1 en el primer bit es positivo</source>
        <translation>o signo ao revés: un 1 no primeiro bit é positivo</translation>
    </message>
    <message>
        <source>cada 1 cambia de signo sin pasar por cero: MLT-3 recorre 0, +1, 0, −1</source>
        <translation>cada 1 cambia de signo sen pasar por cero: MLT-3 percorre 0, +1, 0, −1</translation>
    </message>
    <message>
        <source>cambian los ceros: en MLT-3 solo cada 1 avanza un paso</source>
        <translation>cambian os ceros: en MLT-3 só cada 1 avanza un paso</translation>
    </message>
    <message>
        <source>se partió de otro nivel: mira el nivel antes del primer bit</source>
        <translation>partiuse doutro nivel: mira o nivel antes do primeiro bit</translation>
    </message>
    <message>
        <source>último pulso positivo</source>
        <translation>último pulso positivo</translation>
    </message>
    <message>
        <source>último pulso negativo</source>
        <translation>último pulso negativo</translation>
    </message>
    <message>
        <source>%1, un número impar de marcas desde la última V</source>
        <translation>%1, un número impar de marcas desde a última V</translation>
    </message>
    <message>
        <source>%1, un número par de marcas desde la última V</source>
        <translation>%1, un número par de marcas desde a última V</translation>
    </message>
    <message>
        <source>nivel inicial alto</source>
        <translation>nivel inicial alto</translation>
    </message>
    <message>
        <source>nivel inicial bajo</source>
        <translation>nivel inicial baixo</translation>
    </message>
    <message>
        <source>nivel inicial %1</source>
        <translation>nivel inicial %1</translation>
    </message>
    <message>
        <source>nivel inicial cero, tras un pulso positivo</source>
        <translation>nivel inicial cero, tras un pulso positivo</translation>
    </message>
    <message>
        <source>nivel inicial cero, tras un pulso negativo</source>
        <translation>nivel inicial cero, tras un pulso negativo</translation>
    </message>
</context>
<context>
    <name>detalles</name>
    <message>
        <source>Detalles de la clase</source>
        <translation>Detalles da clase</translation>
    </message>
    <message>
        <source>Estadísticas de la clase</source>
        <translation>Estatísticas da clase</translation>
    </message>
    <message>
        <source>Total, aciertos, errores y porcentaje de cada alumno; pulsa una cabecera para ordenar</source>
        <translation>Total, acertos, erros e porcentaxe de cada alumno; preme unha cabeceira para ordenar</translation>
    </message>
    <message>
        <source>Respuestas por código</source>
        <translation>Respostas por código</translation>
    </message>
    <message>
        <source>Aciertos y errores de cada alumno en NRZ, RZ, AMI y HDB3</source>
        <translation>Acertos e erros de cada alumno en NRZ, RZ, AMI e HDB3</translation>
    </message>
    <message>
        <source>Exportar CSV…</source>
        <translation>Exportar CSV…</translation>
    </message>
    <message>
        <source>Exportar CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Guarda la tabla para una hoja de cálculo</source>
        <translation>Garda a táboa para unha folla de cálculo</translation>
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
        <translation>Garda un informe da clase para imprimir</translation>
    </message>
    <message>
        <source>Borrar alumno</source>
        <translation>Borrar alumno</translation>
    </message>
    <message>
        <source>Borra de las estadísticas el alumno elegido en la tabla</source>
        <translation>Borra das estatísticas o alumno escollido na táboa</translation>
    </message>
    <message>
        <source>Cuentas a cero, alumnos borrados y soluciones vistas, lo último primero:</source>
        <translation>Contas a cero, alumnos borrados e solucións vistas, o último primeiro:</translation>
    </message>
    <message>
        <source>Sucesos de la clase</source>
        <translation>Sucesos da clase</translation>
    </message>
    <message>
        <source>Quién puso sus cuentas a cero, borró a un alumno o vio una solución, cuándo y en qué puesto</source>
        <translation>Quen puxo as súas contas a cero, borrou un alumno ou viu unha solución, cando e en que posto</translation>
    </message>
    <message>
        <source>Contraseña del profesor…</source>
        <translation>Contrasinal do profesor…</translation>
    </message>
    <message>
        <source>Contraseña del profesor</source>
        <translation>Contrasinal do profesor</translation>
    </message>
    <message>
        <source>Pone o cambia la contraseña que piden borrar alumnos y poner cuentas a cero</source>
        <translation>Pon ou cambia o contrasinal que piden borrar alumnos e poñer contas a cero</translation>
    </message>
    <message>
        <source>Aún no ha habido ningún examen.</source>
        <translation>Aínda non houbo ningún exame.</translation>
    </message>
    <message>
        <source>Notas del examen</source>
        <translation>Notas do exame</translation>
    </message>
    <message>
        <source>Preguntas respondidas, aciertos y nota de cada alumno en el último examen</source>
        <translation>Preguntas respondidas, acertos e nota de cada alumno no último exame</translation>
    </message>
    <message>
        <source>Empezar examen…</source>
        <translation>Comezar exame…</translation>
    </message>
    <message>
        <source>Empezar examen</source>
        <translation>Comezar exame</translation>
    </message>
    <message>
        <source>Empieza un examen en todos los puestos de la clase</source>
        <translation>Comeza un exame en todos os postos da clase</translation>
    </message>
    <message>
        <source>Terminar examen</source>
        <translation>Rematar exame</translation>
    </message>
    <message>
        <source>Termina el examen en curso en todos los puestos</source>
        <translation>Remata o exame en curso en todos os postos</translation>
    </message>
    <message>
        <source>Notas del examen (CSV)…</source>
        <translation>Notas do exame (CSV)…</translation>
    </message>
    <message>
        <source>Guarda las notas del último examen para una hoja de cálculo</source>
        <translation>Garda as notas do último exame para unha folla de cálculo</translation>
    </message>
</context>
<context>
    <name>dibujo</name>
    <message>
        <source>Sistemas de
Telefonía</source>
        <translation>Sistemas de
Telefonía</translation>
    </message>
</context>
<context>
    <name>ejercicio</name>
    <message>
        <source>«%1» estaba escrito en UTF-8; se ha leído así y se guardará en Windows-1252, como lo escribe el programa.</source>
        <translation>«%1» estaba escrito en UTF-8; leuse así e gardarase en Windows-1252, como o escribe o programa.</translation>
    </message>
    <message>
        <source>y %1 más</source>
        <translation>e %1 máis</translation>
    </message>
    <message>
        <source>Estas líneas de «%1» no son de ningún alumno y se dejan como están: %2.</source>
        <translation>Estas liñas de «%1» non son de ningún alumno e déixanse como están: %2.</translation>
    </message>
    <message>
        <source>No se pudo leer «%1»: %2. Las estadísticas de esta sesión no se guardarán.</source>
        <translation>Non se puido ler «%1»: %2. As estatísticas desta sesión non se gardarán.</translation>
    </message>
    <message>
        <source>Reintentar</source>
        <translation>Tentar de novo</translation>
    </message>
    <message>
        <source>Guardar una copia…</source>
        <translation>Gardar unha copia…</translation>
    </message>
    <message>
        <source>Cerrar sin guardar</source>
        <translation>Pechar sen gardar</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Guardar una copia de las estadísticas</source>
        <translation>Gardar unha copia das estatísticas</translation>
    </message>
    <message>
        <source>Estadísticas (*.pnt)</source>
        <translation>Estatísticas (*.pnt)</translation>
    </message>
    <message>
        <source>No se pudo guardar la copia en «%1»: %2.</source>
        <translation>Non se puido gardar a copia en «%1»: %2.</translation>
    </message>
    <message>
        <source>Una cuenta de «%1» ha llegado al máximo que se puede guardar (%2) y no crecerá más.</source>
        <translation>Unha conta de «%1» chegou ao máximo que se pode gardar (%2) e non medrará máis.</translation>
    </message>
    <message>
        <source>%1 (dibujo)</source>
        <translation>%1 (debuxo)</translation>
    </message>
    <message>
        <source>Estadísticas de la clase</source>
        <translation>Estatísticas da clase</translation>
    </message>
    <message>
        <source>Página %1 de %2</source>
        <translation>Páxina %1 de %2</translation>
    </message>
    <message>
        <source>Respuestas de cada alumno</source>
        <translation>Respostas de cada alumno</translation>
    </message>
    <message>
        <source>Alumno</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation>Acertos</translation>
    </message>
    <message>
        <source>Errores</source>
        <translation>Erros</translation>
    </message>
    <message>
        <source>Gráfico</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Respuestas por código: aún no hay ninguna anotada</source>
        <translation>Respostas por código: aínda non hai ningunha anotada</translation>
    </message>
    <message>
        <source>Respuestas por código desde el %1</source>
        <translation>Respostas por código desde o %1</translation>
    </message>
    <message>
        <source>%1 bien</source>
        <translation>%1 ben</translation>
    </message>
    <message>
        <source>%1 mal</source>
        <translation>%1 mal</translation>
    </message>
    <message>
        <source>La carpeta «%1» no puede guardar las respuestas de la clase: %2. Puedes guardarlas en una carpeta tuya.</source>
        <translation>O cartafol «%1» non pode gardar as respostas da clase: %2. Podes gardalas nun cartafol teu.</translation>
    </message>
    <message>
        <source>Guardar en una carpeta mía…</source>
        <translation>Gardar nun cartafol meu…</translation>
    </message>
    <message>
        <source>Seguir sin guardar</source>
        <translation>Continuar sen gardar</translation>
    </message>
    <message>
        <source>Guardar las estadísticas en</source>
        <translation>Gardar as estatísticas en</translation>
    </message>
    <message>
        <source>No se pudo anotar la respuesta en la carpeta de la clase «%1»: %2. Se guarda en este puesto y se anotará en cuanto se pueda; no se te volverá a avisar hasta entonces.</source>
        <translation>Non se puido anotar a resposta no cartafol da clase «%1»: %2. Gárdase neste posto e anotarase en canto se poida; non se che volverá avisar ata entón.</translation>
    </message>
    <message>
        <source>No se pudieron anotar las respuestas en la carpeta de la clase «%1»: %2.</source>
        <translation>Non se puideron anotar as respostas no cartafol da clase «%1»: %2.</translation>
    </message>
    <message>
        <source>Cuentas a cero</source>
        <translation>Contas a cero</translation>
    </message>
    <message>
        <source>Alumno borrado</source>
        <translation>Alumno borrado</translation>
    </message>
    <message>
        <source>Solución vista</source>
        <translation>Solución vista</translation>
    </message>
    <message>
        <source>%1 respuestas, %2 aciertos</source>
        <translation>%1 respostas, %2 acertos</translation>
    </message>
    <message>
        <source>El fichero de la contraseña del profesor («%1») está dañado: no se puede comprobar ninguna contraseña. Si el profesor lo borra, puede poner una nueva.</source>
        <translation>O ficheiro do contrasinal do profesor («%1») está danado: non se pode comprobar ningún contrasinal. Se o profesor o borra, pode poñer un novo.</translation>
    </message>
    <message>
        <source>Solo el profesor puede %1. Escribe la contraseña del profesor:</source>
        <translation>Só o profesor pode %1. Escribe o contrasinal do profesor:</translation>
    </message>
    <message>
        <source>Esa no es la contraseña del profesor.</source>
        <translation>Ese non é o contrasinal do profesor.</translation>
    </message>
    <message>
        <source>Contraseña actual del profesor:</source>
        <translation>Contrasinal actual do profesor:</translation>
    </message>
    <message>
        <source>Nueva contraseña del profesor (al menos %1 caracteres):</source>
        <translation>Novo contrasinal do profesor (polo menos %1 caracteres):</translation>
    </message>
    <message>
        <source>Repite la nueva contraseña:</source>
        <translation>Repite o novo contrasinal:</translation>
    </message>
    <message>
        <source>Las dos contraseñas no coinciden: no se ha cambiado nada.</source>
        <translation>Os dous contrasinais non coinciden: non se cambiou nada.</translation>
    </message>
    <message>
        <source>No se pudo guardar la contraseña del profesor: %1.</source>
        <translation>Non se puido gardar o contrasinal do profesor: %1.</translation>
    </message>
    <message>
        <source>Contraseña del profesor guardada. Desde ahora, borrar alumnos y poner cuentas a cero la piden.</source>
        <translation>Contrasinal do profesor gardado. Desde agora, borrar alumnos e poñer contas a cero pídeno.</translation>
    </message>
    <message>
        <source>Preguntas</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>Nota</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>en curso, quedan %1 min</source>
        <translation>en curso, quedan %1 min</translation>
    </message>
    <message>
        <source>terminado</source>
        <translation>rematado</translation>
    </message>
    <message>
        <source>Examen «%1» (%2) · preguntas: %3 · códigos: %4 · %5 min</source>
        <translation>Exame «%1» (%2) · preguntas: %3 · códigos: %4 · %5 min</translation>
    </message>
</context>
<context>
    <name>ejercicio::DialogoExamen</name>
    <message>
        <source>Empezar un examen</source>
        <translation>Comezar un exame</translation>
    </message>
    <message>
        <source>&amp;Nombre:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>Códigos:</source>
        <translation>Códigos:</translation>
    </message>
    <message>
        <source>&amp;Preguntas por alumno:</source>
        <translation>&amp;Preguntas por alumno:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>&amp;Tiempo:</source>
        <translation>&amp;Tempo:</translation>
    </message>
    <message>
        <source>&amp;Semilla:</source>
        <translation>&amp;Semente:</translation>
    </message>
    <message>
        <source>Las mismas preguntas, en el mismo orden, en todos los puestos</source>
        <translation>As mesmas preguntas, na mesma orde, en todos os postos</translation>
    </message>
    <message>
        <source>Empezar</source>
        <translation>Comezar</translation>
    </message>
</context>
<context>
    <name>ejercicio::EleccionAlumno</name>
    <message>
        <source>Introduce tu nombre</source>
        <translation>Escribe o teu nome</translation>
    </message>
    <message>
        <source>Ya hay un alumno «%1». ¿Eres tú?
Responde No solo si eres otro alumno con un nombre parecido.</source>
        <translation>Xa hai un alumno «%1». Es ti?
Responde Non só se es outro alumno cun nome parecido.</translation>
    </message>
</context>
<context>
    <name>ejercicio::ModeloClase</name>
    <message>
        <source>Alumno</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation>Acertos</translation>
    </message>
    <message>
        <source>Errores</source>
        <translation>Erros</translation>
    </message>
    <message>
        <source>Gráfico</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>%1 bien</source>
        <translation>%1 ben</translation>
    </message>
    <message>
        <source>%1 mal</source>
        <translation>%1 mal</translation>
    </message>
    <message>
        <source>Soluciones vistas</source>
        <translation>Solucións vistas</translation>
    </message>
    <message>
        <source>Última respuesta</source>
        <translation>Última resposta</translation>
    </message>
    <message>
        <source>bien</source>
        <translation>ben</translation>
    </message>
    <message>
        <source>mal</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>ahora</source>
        <translation>agora</translation>
    </message>
</context>
<context>
    <name>ejercicio::ModeloNotas</name>
    <message>
        <source>Alumno</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Respondidas</source>
        <translation>Respondidas</translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation>Acertos</translation>
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
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Puesto</source>
        <translation>Posto</translation>
    </message>
    <message>
        <source>Suceso</source>
        <translation>Suceso</translation>
    </message>
    <message>
        <source>Detalle</source>
        <translation>Detalle</translation>
    </message>
    <message>
        <source>(sin elegir)</source>
        <translation>(sen escoller)</translation>
    </message>
</context>
<context>
    <name>ejercicio::VentanaEjercicios</name>
    <message>
        <source>Trampa, trampa, miraste la solución</source>
        <translation>Trampa, trampa, miraches a solución</translation>
    </message>
    <message>
        <source>La respuesta es correcta</source>
        <translation>A resposta é correcta</translation>
    </message>
    <message>
        <source>La respuesta es incorrecta</source>
        <translation>A resposta é incorrecta</translation>
    </message>
    <message>
        <source>Has de introducir un alumno o elegir uno de la lista</source>
        <translation>Tes que introducir un alumno ou escoller un da lista</translation>
    </message>
    <message>
        <source>Esta acción borrará tus estadísticas. ¿Deseas continuar?</source>
        <translation>Esta acción borrará as túas estatísticas. Desexas continuar?</translation>
    </message>
    <message>
        <source>poner a cero las cuentas</source>
        <translation>poñer as contas a cero</translation>
    </message>
    <message>
        <source>El examen ha terminado: esta respuesta ya no cuenta.</source>
        <translation>O exame rematou: esta resposta xa non conta.</translation>
    </message>
    <message>
        <source>Esta pregunta del examen era de %1: pulsa «Proponer» para la tuya.</source>
        <translation>Esta pregunta do exame era de %1: preme «Propor» para a túa.</translation>
    </message>
    <message>
        <source>Elige tu nombre antes de empezar el examen.</source>
        <translation>Escolle o teu nome antes de comezar o exame.</translation>
    </message>
    <message>
        <source>Ya has respondido todas las preguntas del examen.</source>
        <translation>Xa respondiches todas as preguntas do exame.</translation>
    </message>
    <message>
        <source>El examen «%1» ha terminado.</source>
        <translation>O exame «%1» rematou.</translation>
    </message>
    <message>
        <source>Examen «%1»</source>
        <translation>Exame «%1»</translation>
    </message>
    <message>
        <source>Quedan %1:%2</source>
        <translation>Quedan %1:%2</translation>
    </message>
    <message>
        <source>Examen terminado</source>
        <translation>Exame rematado</translation>
    </message>
    <message>
        <source>Pregunta %1/%2</source>
        <translation>Pregunta %1/%2</translation>
    </message>
    <message>
        <source>Hechas %1/%2</source>
        <translation>Feitas %1/%2</translation>
    </message>
</context>
<context>
    <name>ejercicio::VistaClase</name>
    <message>
        <source>No se pudo guardar %1 en «%2»: %3.</source>
        <translation>Non se puido gardar %1 en «%2»: %3.</translation>
    </message>
    <message>
        <source>Respuestas por código: aún no hay ninguna anotada.</source>
        <translation>Respostas por código: aínda non hai ningunha anotada.</translation>
    </message>
    <message>
        <source>Respuestas por código desde el %1, la primera anotada en el historial:</source>
        <translation>Respostas por código desde o %1, a primeira anotada no historial:</translation>
    </message>
    <message>
        <source>Exportar la clase</source>
        <translation>Exportar a clase</translation>
    </message>
    <message>
        <source>Hoja de cálculo CSV (*.csv)</source>
        <translation>Folla de cálculo CSV (*.csv)</translation>
    </message>
    <message>
        <source>la tabla</source>
        <translation>a táboa</translation>
    </message>
    <message>
        <source>Informe de la clase</source>
        <translation>Informe da clase</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>el informe</source>
        <translation>o informe</translation>
    </message>
    <message>
        <source>Elige en la tabla el alumno que quieres borrar.</source>
        <translation>Escolle na táboa o alumno que queres borrar.</translation>
    </message>
    <message>
        <source>¿Borrar a «%1» y sus estadísticas? Sus respuestas quedan en el historial.</source>
        <translation>Borrar a «%1» e as súas estatísticas? As súas respostas quedan no historial.</translation>
    </message>
    <message>
        <source>No se pudo borrar a «%1» de «%2»: %3.</source>
        <translation>Non se puido borrar a «%1» de «%2»: %3.</translation>
    </message>
    <message>
        <source>borrar a un alumno</source>
        <translation>borrar un alumno</translation>
    </message>
    <message>
        <source>Aún no ha habido ningún examen.</source>
        <translation>Aínda non houbo ningún exame.</translation>
    </message>
    <message>
        <source>empezar un examen</source>
        <translation>comezar un exame</translation>
    </message>
    <message>
        <source>No se pudo empezar el examen en «%1»: %2.</source>
        <translation>Non se puido comezar o exame en «%1»: %2.</translation>
    </message>
    <message>
        <source>¿Terminar el examen «%1» en todos los puestos? Las preguntas sin responder cuentan como falladas.</source>
        <translation>Rematar o exame «%1» en todos os postos? As preguntas sen responder contan como falladas.</translation>
    </message>
    <message>
        <source>terminar el examen</source>
        <translation>rematar o exame</translation>
    </message>
    <message>
        <source>No se pudo terminar el examen en «%1»: %2.</source>
        <translation>Non se puido rematar o exame en «%1»: %2.</translation>
    </message>
    <message>
        <source>Notas del examen</source>
        <translation>Notas do exame</translation>
    </message>
    <message>
        <source>las notas</source>
        <translation>as notas</translation>
    </message>
</context>
<context>
    <name>entrenador</name>
    <message>
        <source>Entrenador de códigos</source>
        <translation>Adestrador de códigos</translation>
    </message>
    <message>
        <source>Alumno:</source>
        <translation>Alumno:</translation>
    </message>
    <message>
        <source>Alumno</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Elige tu nombre de la lista o escribe uno nuevo y pulsa Intro</source>
        <translation>Escolle o teu nome da lista ou escribe un novo e preme Intro</translation>
    </message>
    <message>
        <source>Leer la señal|Dibujar la señal</source>
        <translation>Ler o sinal|Debuxar o sinal</translation>
    </message>
    <message>
        <source>Modo</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Leer los bits de una señal dibujada, o dibujar la señal de unos bits</source>
        <translation>Ler os bits dun sinal debuxado, ou debuxar o sinal duns bits</translation>
    </message>
    <message>
        <source>Códigos que se preguntan:</source>
        <translation>Códigos que se preguntan:</translation>
    </message>
    <message>
        <source>Códigos</source>
        <translation>Códigos</translation>
    </message>
    <message>
        <source>Marca los códigos que pueden salir en los ejercicios</source>
        <translation>Marca os códigos que poden saír nos exercicios</translation>
    </message>
    <message>
        <source>8 bits|12 bits|16 bits|24 bits|32 bits</source>
        <translation>8 bits|12 bits|16 bits|24 bits|32 bits</translation>
    </message>
    <message>
        <source>Longitud</source>
        <translation>Lonxitude</translation>
    </message>
    <message>
        <source>Bits de cada ejercicio</source>
        <translation>Bits de cada exercicio</translation>
    </message>
    <message>
        <source>Exportar preguntas para Moodle…</source>
        <translation>Exportar preguntas para Moodle…</translation>
    </message>
    <message>
        <source>Exportar preguntas para Moodle</source>
        <translation>Exportar preguntas para Moodle</translation>
    </message>
    <message>
        <source>Escribe un banco de preguntas de los códigos marcados para importarlo en Moodle</source>
        <translation>Escribe un banco de preguntas dos códigos marcados para importalo en Moodle</translation>
    </message>
    <message>
        <source>Lo que se pide</source>
        <translation>O que se pide</translation>
    </message>
    <message>
        <source>Qué hay que hacer en este ejercicio</source>
        <translation>Que hai que facer neste exercicio</translation>
    </message>
    <message>
        <source>Estado inicial</source>
        <translation>Estado inicial</translation>
    </message>
    <message>
        <source>Cómo estaba la línea antes del primer bit</source>
        <translation>Como estaba a liña antes do primeiro bit</translation>
    </message>
    <message>
        <source>Dibujo</source>
        <translation>Debuxo</translation>
    </message>
    <message>
        <source>La señal que se lee, o donde se dibuja: las flechas mueven el cursor y cambian el nivel, y un clic cambia el nivel de medio bit</source>
        <translation>O sinal que se le, ou onde se debuxa: as frechas moven o cursor e cambian o nivel, e un clic cambia o nivel de medio bit</translation>
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
        <translation>Os bits lidos, ou as súas cifras hexadecimais; os espazos non contan</translation>
    </message>
    <message>
        <source>Nuevo ejercicio</source>
        <translation>Novo exercicio</translation>
    </message>
    <message>
        <source>Comprobar</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Corrige la respuesta y la cuenta para el alumno</source>
        <translation>Corrixe a resposta e cóntaa para o alumno</translation>
    </message>
    <message>
        <source>Solución</source>
        <translation>Solución</translation>
    </message>
    <message>
        <source>Muestra la solución; la respuesta ya no cuenta</source>
        <translation>Mostra a solución; a resposta xa non conta</translation>
    </message>
    <message>
        <source>Veredicto</source>
        <translation>Veredicto</translation>
    </message>
    <message>
        <source>Si la respuesta es correcta y, si no, dónde y por qué</source>
        <translation>Se a resposta é correcta e, se non, onde e por que</translation>
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
        <translation>Reloxo</translation>
    </message>
    <message>
        <source>Señal %1 de %2 bits</source>
        <translation>Sinal %1 de %2 bits</translation>
    </message>
    <message>
        <source>sin dibujar</source>
        <translation>sen debuxar</translation>
    </message>
    <message>
        <source>. Bit %1, primera mitad: %2</source>
        <translation>. Bit %1, primeira metade: %2</translation>
    </message>
    <message>
        <source>. Bit %1, segunda mitad: %2</source>
        <translation>. Bit %1, segunda metade: %2</translation>
    </message>
</context>
<context>
    <name>entrenador::Entrenamiento</name>
    <message>
        <source>Escribe los %1 bits, o sus %2 cifras hexadecimales.</source>
        <translation>Escribe os %1 bits, ou as súas %2 cifras hexadecimais.</translation>
    </message>
    <message>
        <source>Trampa, trampa, miraste la solución</source>
        <translation>Trampa, trampa, miraches a solución</translation>
    </message>
    <message>
        <source>Correcto.</source>
        <translation>Correcto.</translation>
    </message>
    <message>
        <source>Incorrecto: %1 de %2 bits mal leídos.</source>
        <translation>Incorrecto: %1 de %2 bits mal lidos.</translation>
    </message>
    <message>
        <source>Incorrecto en el bit %1, primera mitad: %2. Medios bits mal: %3.</source>
        <translation>Incorrecto no bit %1, primeira metade: %2. Medios bits mal: %3.</translation>
    </message>
    <message>
        <source>Incorrecto en el bit %1, segunda mitad: %2. Medios bits mal: %3.</source>
        <translation>Incorrecto no bit %1, segunda metade: %2. Medios bits mal: %3.</translation>
    </message>
</context>
<context>
    <name>entrenador::VentanaEntrenador</name>
    <message>
        <source>Lee la señal %1 de %2 bits y escribe sus bits o su valor hexadecimal.</source>
        <translation>Le o sinal %1 de %2 bits e escribe os seus bits ou o seu valor hexadecimal.</translation>
    </message>
    <message>
        <source>Dibuja la señal %1 de %2.</source>
        <translation>Debuxa o sinal %1 de %2.</translation>
    </message>
    <message>
        <source>La señal no depende de cómo estaba la línea antes.</source>
        <translation>O sinal non depende de como estaba a liña antes.</translation>
    </message>
    <message>
        <source>Antes del primer bit: %1.</source>
        <translation>Antes do primeiro bit: %1.</translation>
    </message>
    <message>
        <source>Solución: %1 (%2 en hexadecimal).</source>
        <translation>Solución: %1 (%2 en hexadecimal).</translation>
    </message>
    <message>
        <source>Solución: la línea gris.</source>
        <translation>Solución: a liña gris.</translation>
    </message>
    <message>
        <source>Has de introducir un alumno o elegir uno de la lista</source>
        <translation>Tes que introducir un alumno ou escoller un da lista</translation>
    </message>
    <message>
        <source>Exportar preguntas para Moodle</source>
        <translation>Exportar preguntas para Moodle</translation>
    </message>
    <message>
        <source>Moodle XML (*.xml)</source>
        <translation>Moodle XML (*.xml)</translation>
    </message>
    <message>
        <source>No se pudieron exportar las preguntas a «%1»: %2.</source>
        <translation>Non se puideron exportar as preguntas a «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>formatos</name>
    <message>
        <source>no es un fichero normal</source>
        <translation>non é un ficheiro normal</translation>
    </message>
    <message>
        <source>el fichero es demasiado grande (más de %1 bytes)</source>
        <translation>o ficheiro é demasiado grande (máis de %1 bytes)</translation>
    </message>
    <message>
        <source>no se pudo preparar el contenido</source>
        <translation>non se puido preparar o contido</translation>
    </message>
    <message>
        <source>no queda espacio en el disco</source>
        <translation>non queda espazo no disco</translation>
    </message>
    <message>
        <source>se ha agotado la cuota de disco</source>
        <translation>esgotouse a cota de disco</translation>
    </message>
    <message>
        <source>permiso denegado</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>el disco es de solo lectura</source>
        <translation>o disco é de só lectura</translation>
    </message>
    <message>
        <source>una parte de la ruta no es una carpeta</source>
        <translation>unha parte da ruta non é un cartafol</translation>
    </message>
    <message>
        <source>es una carpeta, no un fichero</source>
        <translation>é un cartafol, non un ficheiro</translation>
    </message>
    <message>
        <source>el fichero sería demasiado grande</source>
        <translation>o ficheiro sería demasiado grande</translation>
    </message>
    <message>
        <source>el nombre es demasiado largo</source>
        <translation>o nome é demasiado longo</translation>
    </message>
    <message>
        <source>error de lectura o escritura en el disco</source>
        <translation>erro de lectura ou escritura no disco</translation>
    </message>
    <message>
        <source>es un enlace simbólico, y por seguridad no se sigue</source>
        <translation>é unha ligazón simbólica, e por seguridade non se segue</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>más de %L1 caracteres</source>
        <translation>máis de %L1 caracteres</translation>
    </message>
    <message>
        <source>[La ayuda se muestra hasta aquí: el documento pasa de lo que esta ventana puede mostrar (%1).]</source>
        <translation>[A axuda móstrase ata aquí: o documento pasa do que esta xanela pode mostrar (%1).]</translation>
    </message>
    <message>
        <source>más de %L1 párrafos</source>
        <translation>máis de %L1 parágrafos</translation>
    </message>
    <message>
        <source>una tabla de más de %L1 celdas</source>
        <translation>unha táboa de máis de %L1 celas</translation>
    </message>
    <message>
        <source>más de %L1 celdas de tabla</source>
        <translation>máis de %L1 celas de táboa</translation>
    </message>
    <message>
        <source>imágenes de más de %L1 megapíxeles en total</source>
        <translation>imaxes de máis de %L1 megapíxeles en total</translation>
    </message>
    <message>
        <source>el fichero o su carpeta ya no está (otro puesto o el servidor lo ha quitado)</source>
        <translation>o ficheiro ou o seu cartafol xa non está (outro posto ou o servidor quitouno)</translation>
    </message>
    <message>
        <source>el fichero está abierto en otro puesto y ahora no se puede cambiar</source>
        <translation>o ficheiro está aberto noutro posto e agora non se pode cambiar</translation>
    </message>
    <message>
        <source>la carpeta compartida no admite esta operación</source>
        <translation>o cartafol compartido non admite esta operación</translation>
    </message>
    <message>
        <source>el servidor ha cambiado el fichero mientras se usaba</source>
        <translation>o servidor cambiou o ficheiro mentres se usaba</translation>
    </message>
    <message>
        <source>se ha perdido la conexión con el servidor de la carpeta</source>
        <translation>perdeuse a conexión co servidor do cartafol</translation>
    </message>
    <message>
        <source>ya hay un fichero con ese nombre</source>
        <translation>xa hai un ficheiro con ese nome</translation>
    </message>
    <message>
        <source>error inesperado del sistema (%1, número %2)</source>
        <translation>erro inesperado do sistema (%1, número %2)</translation>
    </message>
</context>
<context>
    <name>formularios</name>
    <message>
        <source>Sí</source>
        <translation>Si</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>inicio</name>
    <message>
        <source>Durante el examen «%1» el laboratorio y el entrenador están cerrados.</source>
        <translation>Durante o exame «%1» o laboratorio e o adestrador están pechados.</translation>
    </message>
</context>
<context>
    <name>lab</name>
    <message>
        <source>Laboratorio de códigos</source>
        <translation>Laboratorio de códigos</translation>
    </message>
    <message>
        <source>Entrada:</source>
        <translation>Entrada:</translation>
    </message>
    <message>
        <source>Bits|Hexadecimal|Texto</source>
        <translation>Bits|Hexadecimal|Texto</translation>
    </message>
    <message>
        <source>Forma de la entrada</source>
        <translation>Forma da entrada</translation>
    </message>
    <message>
        <source>Si la entrada se escribe en bits, en cifras hexadecimales o como texto</source>
        <translation>Se a entrada se escribe en bits, en cifras hexadecimais ou como texto</translation>
    </message>
    <message>
        <source>Entrada</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>De 1 a 4096 bits que se codifican; los espacios se ignoran</source>
        <translation>De 1 a 4096 bits que se codifican; os espazos ignóranse</translation>
    </message>
    <message>
        <source>Pista</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Cuántos bits hay, o por qué se rechazó un carácter</source>
        <translation>Cantos bits hai, ou por que se rexeitou un carácter</translation>
    </message>
    <message>
        <source>Códigos:</source>
        <translation>Códigos:</translation>
    </message>
    <message>
        <source>Códigos</source>
        <translation>Códigos</translation>
    </message>
    <message>
        <source>Marca los códigos que se dibujan; el elegido es el de la tabla de pasos</source>
        <translation>Marca os códigos que se debuxan; o escollido é o da táboa de pasos</translation>
    </message>
    <message>
        <source>Estado inicial</source>
        <translation>Estado inicial</translation>
    </message>
    <message>
        <source>Último pulso negativo|Último pulso positivo</source>
        <translation>Último pulso negativo|Último pulso positivo</translation>
    </message>
    <message>
        <source>Último pulso</source>
        <translation>Último pulso</translation>
    </message>
    <message>
        <source>Signo del último pulso antes del primer bit (AMI, pseudoternario, HDB3, B8ZS, CMI)</source>
        <translation>Signo do último pulso antes do primeiro bit (AMI, pseudoternario, HDB3, B8ZS, CMI)</translation>
    </message>
    <message>
        <source>Nivel inicial bajo|Nivel inicial cero (MLT-3)|Nivel inicial alto</source>
        <translation>Nivel inicial baixo|Nivel inicial cero (MLT-3)|Nivel inicial alto</translation>
    </message>
    <message>
        <source>Nivel inicial</source>
        <translation>Nivel inicial</translation>
    </message>
    <message>
        <source>Nivel de la línea antes del primer bit (NRZI, Manchester diferencial, MLT-3)</source>
        <translation>Nivel da liña antes do primeiro bit (NRZI, Manchester diferencial, MLT-3)</translation>
    </message>
    <message>
        <source>Paridad HDB3 par|Paridad HDB3 impar</source>
        <translation>Paridade HDB3 par|Paridade HDB3 impar</translation>
    </message>
    <message>
        <source>Paridad HDB3</source>
        <translation>Paridade HDB3</translation>
    </message>
    <message>
        <source>Paridad de las marcas desde la última violación, para HDB3</source>
        <translation>Paridade das marcas desde a última violación, para HDB3</translation>
    </message>
    <message>
        <source>Señales de línea</source>
        <translation>Sinais de liña</translation>
    </message>
    <message>
        <source>El reloj y cada código elegido; pulsa medio bit para meter un error de línea</source>
        <translation>O reloxo e cada código escollido; preme medio bit para meter un erro de liña</translation>
    </message>
    <message>
        <source>Decodificado:</source>
        <translation>Decodificado:</translation>
    </message>
    <message>
        <source>Decodificado</source>
        <translation>Decodificado</translation>
    </message>
    <message>
        <source>Los bits que el receptor lee en la línea del código elegido</source>
        <translation>Os bits que o receptor le na liña do código escollido</translation>
    </message>
    <message>
        <source>Decodificado como la entrada</source>
        <translation>Decodificado como a entrada</translation>
    </message>
    <message>
        <source>Lo que el receptor lee, en hexadecimal o como texto si así se escribió la entrada</source>
        <translation>O que le o receptor, en hexadecimal ou como texto se así se escribiu a entrada</translation>
    </message>
    <message>
        <source>Errores</source>
        <translation>Erros</translation>
    </message>
    <message>
        <source>Los bits que un error de línea ha cambiado y cada violación que lo delata</source>
        <translation>Os bits que un erro de liña cambiou e cada violación que o delata</translation>
    </message>
    <message>
        <source>Convenio</source>
        <translation>Convención</translation>
    </message>
    <message>
        <source>Cómo codifica el código elegido</source>
        <translation>Como codifica o código escollido</translation>
    </message>
    <message>
        <source>Pasos</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>Cada bit del código elegido: símbolo, nivel en cada mitad y motivo</source>
        <translation>Cada bit do código escollido: símbolo, nivel en cada metade e motivo</translation>
    </message>
    <message>
        <source>Escala lineal|Escala en dB</source>
        <translation>Escala lineal|Escala en dB</translation>
    </message>
    <message>
        <source>Escala del espectro</source>
        <translation>Escala do espectro</translation>
    </message>
    <message>
        <source>Lineal, ajustada a la curva más alta, o en decibelios</source>
        <translation>Lineal, axustada á curva máis alta, ou en decibelios</translation>
    </message>
    <message>
        <source>Espectro</source>
        <translation>Espectro</translation>
    </message>
    <message>
        <source>Densidad espectral de potencia de los códigos elegidos, de 0 a dos veces la velocidad binaria</source>
        <translation>Densidade espectral de potencia dos códigos escollidos, de 0 a dúas veces a velocidade binaria</translation>
    </message>
    <message>
        <source>Línea</source>
        <translation>Liña</translation>
    </message>
    <message>
        <source>Cable:</source>
        <translation>Cable:</translation>
    </message>
    <message>
        <source>Pérdida del cable</source>
        <translation>Perda do cable</translation>
    </message>
    <message>
        <source>Pérdida del cable a la mitad de la velocidad binaria, de 0 a 40 dB; crece con la raíz de la frecuencia</source>
        <translation>Perda do cable á metade da velocidade binaria, de 0 a 40 dB; medra coa raíz da frecuencia</translation>
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
        <translation>Sen transformador|Corte ao 0,1 % da velocidade binaria|Corte ao 1 % da velocidade binaria|Corte ao 5 % da velocidade binaria</translation>
    </message>
    <message>
        <source>Transformador</source>
        <translation>Transformador</translation>
    </message>
    <message>
        <source>Acoplamiento por transformador: un paso alto de primer orden, o ninguno</source>
        <translation>Acoplamento por transformador: un paso alto de primeira orde, ou ningún</translation>
    </message>
    <message>
        <source>Ruido:</source>
        <translation>Ruído:</translation>
    </message>
    <message>
        <source>Sin ruido|Eb/N0 = 20 dB|Eb/N0 = 15 dB|Eb/N0 = 12 dB|Eb/N0 = 10 dB|Eb/N0 = 8 dB|Eb/N0 = 6 dB|Eb/N0 = 4 dB|Eb/N0 = 2 dB|Eb/N0 = 0 dB</source>
        <translation>Sen ruído|Eb/N0 = 20 dB|Eb/N0 = 15 dB|Eb/N0 = 12 dB|Eb/N0 = 10 dB|Eb/N0 = 8 dB|Eb/N0 = 6 dB|Eb/N0 = 4 dB|Eb/N0 = 2 dB|Eb/N0 = 0 dB</translation>
    </message>
    <message>
        <source>Ruido</source>
        <translation>Ruído</translation>
    </message>
    <message>
        <source>Ruido blanco gaussiano, como energía por bit frente a densidad de ruido, o ninguno</source>
        <translation>Ruído branco gaussiano, como enerxía por bit fronte a densidade de ruído, ou ningún</translation>
    </message>
    <message>
        <source>Dibujar lo que llega al receptor y lo que decide</source>
        <translation>Debuxar o que chega ao receptor e o que decide</translation>
    </message>
    <message>
        <source>Señal recibida</source>
        <translation>Sinal recibido</translation>
    </message>
    <message>
        <source>Bajo cada código, la señal que llega tras la ganancia del receptor, sus umbrales y los bits que decide</source>
        <translation>Baixo cada código, o sinal que chega tras a ganancia do receptor, os seus limiares e os bits que decide</translation>
    </message>
    <message>
        <source>Recuperar el reloj del código elegido</source>
        <translation>Recuperar o reloxo do código escollido</translation>
    </message>
    <message>
        <source>Reloj recuperado</source>
        <translation>Reloxo recuperado</translation>
    </message>
    <message>
        <source>Bajo el reloj, el que recupera el receptor del código elegido, con sus deslizamientos</source>
        <translation>Baixo o reloxo, o que recupera o receptor do código escollido, cos seus esvaramentos</translation>
    </message>
    <message>
        <source>Deslizamientos del reloj: 0</source>
        <translation>Esvaramentos do reloxo: 0</translation>
    </message>
    <message>
        <source>Deslizamientos del reloj</source>
        <translation>Esvaramentos do reloxo</translation>
    </message>
    <message>
        <source>Cuántas veces el reloj recuperado se desvía más de un cuarto de bit</source>
        <translation>Cantas veces o reloxo recuperado se desvía máis dun cuarto de bit</translation>
    </message>
    <message>
        <source>Diagrama de ojo</source>
        <translation>Diagrama de ollo</translation>
    </message>
    <message>
        <source>Lo que llega de cada bit del código elegido, superpuesto de dos en dos bits</source>
        <translation>O que chega de cada bit do código escollido, superposto de dous en dous bits</translation>
    </message>
    <message>
        <source>Medidas del ojo</source>
        <translation>Medidas do ollo</translation>
    </message>
    <message>
        <source>Altura y anchura del ojo del código elegido</source>
        <translation>Altura e largura do ollo do código escollido</translation>
    </message>
    <message>
        <source>Tasa de errores</source>
        <translation>Taxa de erros</translation>
    </message>
    <message>
        <source>Tasa de errores de bit de los códigos elegidos frente a Eb/N0: medida en puntos, teórica en curvas</source>
        <translation>Taxa de erros de bit dos códigos escollidos fronte a Eb/N0: medida en puntos, teórica en curvas</translation>
    </message>
    <message>
        <source>Medir la tasa de errores</source>
        <translation>Medir a taxa de erros</translation>
    </message>
    <message>
        <source>Mide la tasa de errores de los códigos elegidos por esta línea, de 0 a 12 dB de Eb/N0</source>
        <translation>Mide a taxa de erros dos códigos escollidos por esta liña, de 0 a 12 dB de Eb/N0</translation>
    </message>
    <message>
        <source>Progreso de la medida</source>
        <translation>Progreso da medida</translation>
    </message>
    <message>
        <source>Cuántos puntos de la tasa de errores se han medido</source>
        <translation>Cantos puntos da taxa de erros se mediron</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancelar la medida</source>
        <translation>Cancelar a medida</translation>
    </message>
    <message>
        <source>Para la medida; los puntos ya medidos se quedan</source>
        <translation>Detén a medida; os puntos xa medidos quedan</translation>
    </message>
</context>
<context>
    <name>laboratorio::DibujoCodigos</name>
    <message>
        <source>Reloj</source>
        <translation>Reloxo</translation>
    </message>
    <message>
        <source>Recuperado</source>
        <translation>Recuperado</translation>
    </message>
    <message>
        <source>recibida</source>
        <translation>recibido</translation>
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
        <translation>Taxa de erros: %1 bits por punto; a curva, a teoría.</translation>
    </message>
</context>
<context>
    <name>laboratorio::GraficoEspectro</name>
    <message>
        <source>densidad espectral (potencia media 1)</source>
        <translation>densidade espectral (potencia media 1)</translation>
    </message>
    <message>
        <source>dB (potencia media 1)</source>
        <translation>dB (potencia media 1)</translation>
    </message>
    <message>
        <source>Estimada con %1 bits al azar; a trazos, la fórmula teórica.</source>
        <translation>Estimada con %1 bits ao chou; a trazos, a fórmula teórica.</translation>
    </message>
    <message>
        <source> (solo estimada)</source>
        <translation> (só estimada)</translation>
    </message>
</context>
<context>
    <name>laboratorio::GraficoOjo</name>
    <message>
        <source>Ojo de %1: %2 bits al azar, dos bits por trazo</source>
        <translation>Ollo de %1: %2 bits ao chou, dous bits por trazo</translation>
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
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Nivel 1</source>
        <translation>Nivel 1</translation>
    </message>
    <message>
        <source>Nivel 2</source>
        <translation>Nivel 2</translation>
    </message>
    <message>
        <source>Motivo</source>
        <translation>Motivo</translation>
    </message>
</context>
<context>
    <name>laboratorio::PanelLinea</name>
    <message>
        <source>Sin el ruido, el ojo está cerrado: el receptor se equivoca.</source>
        <translation>Sen o ruído, o ollo está pechado: o receptor equivócase.</translation>
    </message>
    <message>
        <source>El ojo está cerrado: el receptor se equivoca.</source>
        <translation>O ollo está pechado: o receptor equivócase.</translation>
    </message>
    <message>
        <source>Sin el ruido, altura del ojo: %1 · anchura: %2 del bit</source>
        <translation>Sen o ruído, altura do ollo: %1 · largura: %2 do bit</translation>
    </message>
    <message>
        <source>Altura del ojo: %1 · anchura: %2 del bit</source>
        <translation>Altura do ollo: %1 · largura: %2 do bit</translation>
    </message>
    <message>
        <source>Deslizamientos del reloj: %1</source>
        <translation>Esvaramentos do reloxo: %1</translation>
    </message>
</context>
<context>
    <name>laboratorio::VentanaLaboratorio</name>
    <message>
        <source>error de línea en la primera mitad</source>
        <translation>erro de liña na primeira metade</translation>
    </message>
    <message>
        <source>error de línea en la segunda mitad</source>
        <translation>erro de liña na segunda metade</translation>
    </message>
    <message>
        <source>el receptor decide mal la primera mitad</source>
        <translation>o receptor decide mal a primeira metade</translation>
    </message>
    <message>
        <source>el receptor decide mal la segunda mitad</source>
        <translation>o receptor decide mal a segunda metade</translation>
    </message>
    <message>
        <source>Escribe de 1 a %1 bits.</source>
        <translation>Escribe de 1 a %1 bits.</translation>
    </message>
    <message>
        <source>%1 bits.</source>
        <translation>%1 bits.</translation>
    </message>
    <message>
        <source>Para verlos en hexadecimal, los bits han de ser un múltiplo de 4.</source>
        <translation>Para velos en hexadecimal, os bits han de ser un múltiplo de 4.</translation>
    </message>
    <message>
        <source>Para verlos como texto, los bits han de ser bytes enteros de caracteres visibles.</source>
        <translation>Para velos como texto, os bits han de ser bytes enteiros de caracteres visibles.</translation>
    </message>
    <message>
        <source>La línea hace que el receptor decida mal %1 medios bits. </source>
        <translation>A liña fai que o receptor decida mal %1 medios bits. </translation>
    </message>
    <message>
        <source>Bits erróneos: %1.</source>
        <translation>Bits erróneos: %1.</translation>
    </message>
    <message>
        <source>No cambia ningún bit.</source>
        <translation>Non cambia ningún bit.</translation>
    </message>
    <message>
        <source>El error no cambia ningún bit.</source>
        <translation>O erro non cambia ningún bit.</translation>
    </message>
    <message>
        <source> Detectado: %1.</source>
        <translation> Detectado: %1.</translation>
    </message>
    <message>
        <source> El receptor no ve ninguna violación.</source>
        <translation> O receptor non ve ningunha violación.</translation>
    </message>
    <message>
        <source> Este código no detecta errores de línea.</source>
        <translation> Este código non detecta erros de liña.</translation>
    </message>
</context>
<context>
    <name>linea</name>
    <message>
        <source>uso: tramavox --ber --codigo CÓDIGO --ebn0 0,2,4 [--bits 200000] [--semilla S] [--perdida DB] [--acoplamiento F]</source>
        <translation>uso: tramavox --ber --codigo CÓDIGO --ebn0 0,2,4 [--bits 200000] [--semilla S] [--perdida DB] [--acoplamiento F]</translation>
    </message>
    <message>
        <source>a «%1» le falta su valor</source>
        <translation>a «%1» fáltalle o seu valor</translation>
    </message>
    <message>
        <source>«%1» no es un código</source>
        <translation>«%1» non é un código</translation>
    </message>
    <message>
        <source>«%1» no es un Eb/N0 en dB</source>
        <translation>«%1» non é un Eb/N0 en dB</translation>
    </message>
    <message>
        <source>los bits han de ser de 1 a %1</source>
        <translation>os bits han de ser de 1 a %1</translation>
    </message>
    <message>
        <source>la semilla ha de ser un número entero positivo</source>
        <translation>a semente ha de ser un número enteiro positivo</translation>
    </message>
    <message>
        <source>la pérdida del cable ha de ser de 0 a %1 dB</source>
        <translation>a perda do cable ha de ser de 0 a %1 dB</translation>
    </message>
    <message>
        <source>el corte del acoplamiento ha de ser una fracción de la velocidad binaria de 0 a %1</source>
        <translation>o corte do acoplamento ha de ser unha fracción da velocidade binaria de 0 a %1</translation>
    </message>
    <message>
        <source>no se conoce la opción «%1»</source>
        <translation>non se coñece a opción «%1»</translation>
    </message>
    <message>
        <source>falta el código (--codigo)</source>
        <translation>falta o código (--codigo)</translation>
    </message>
    <message>
        <source>faltan los valores de Eb/N0 (--ebn0)</source>
        <translation>faltan os valores de Eb/N0 (--ebn0)</translation>
    </message>
</context>
<context>
    <name>preguntas</name>
    <message>
        <source>&lt;p&gt;Antes del primer bit: %1.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Antes do primeiro bit: %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1: leer %2 bits (%3)</source>
        <translation>%1: ler %2 bits (%3)</translation>
    </message>
    <message>
        <source>&lt;p&gt;Este dibujo es la señal %1 de %2 bits, con el reloj encima.&lt;/p&gt;%3&lt;p&gt;&lt;img src=&quot;@@PLUGINFILE@@/%4&quot; alt=&quot;Señal %1 de %2 bits&quot;&gt;&lt;/p&gt;&lt;p&gt;Escribe los bits, o su valor en hexadecimal.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Este debuxo é o sinal %1 de %2 bits, co reloxo enriba.&lt;/p&gt;%3&lt;p&gt;&lt;img src=&quot;@@PLUGINFILE@@/%4&quot; alt=&quot;Sinal %1 de %2 bits&quot;&gt;&lt;/p&gt;&lt;p&gt;Escribe os bits, ou o seu valor en hexadecimal.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Los bits son %1 (%2 en hexadecimal).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Os bits son %1 (%2 en hexadecimal).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1: elegir la señal de %2 bits (%3)</source>
        <translation>%1: escoller o sinal de %2 bits (%3)</translation>
    </message>
    <message>
        <source>&lt;p&gt;¿Cuál es la señal %1 de %2?&lt;/p&gt;%3</source>
        <translation>&lt;p&gt;Cal é o sinal %1 de %2?&lt;/p&gt;%3</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;img src=&quot;@@PLUGINFILE@@/%1&quot; alt=&quot;Una señal de %2 bits&quot;&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;img src=&quot;@@PLUGINFILE@@/%1&quot; alt=&quot;Un sinal de %2 bits&quot;&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Correcto.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Correcto.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>uso: tramavox --moodle FICHERO [--preguntas N] [--codigos HDB3,AMI,…] [--bits 16] [--semilla S]</source>
        <translation>uso: tramavox --moodle FICHEIRO [--preguntas N] [--codigos HDB3,AMI,…] [--bits 16] [--semilla S]</translation>
    </message>
    <message>
        <source>«%1» no es un código; los códigos son %2</source>
        <translation>«%1» non é un código; os códigos son %2</translation>
    </message>
    <message>
        <source>falta el fichero de preguntas que se ha de escribir</source>
        <translation>falta o ficheiro de preguntas que se ha de escribir</translation>
    </message>
    <message>
        <source>a «%1» le falta su valor</source>
        <translation>a «%1» fáltalle o seu valor</translation>
    </message>
    <message>
        <source>el número de preguntas ha de ser de 1 a %1</source>
        <translation>o número de preguntas ha de ser de 1 a %1</translation>
    </message>
    <message>
        <source>los bits han de ser un múltiplo de 4 de %1 a %2 (cada cifra hexadecimal son 4)</source>
        <translation>os bits han de ser un múltiplo de 4 de %1 a %2 (cada cifra hexadecimal son 4)</translation>
    </message>
    <message>
        <source>la semilla ha de ser un número entero positivo</source>
        <translation>a semente ha de ser un número enteiro positivo</translation>
    </message>
    <message>
        <source>no se conoce la opción «%1»</source>
        <translation>non se coñece a opción «%1»</translation>
    </message>
    <message>
        <source>tramavox: no se pudo escribir «%1»: %2.</source>
        <translation>tramavox: non se puido escribir «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>principal</name>
    <message>
        <source>reloj</source>
        <translation>reloxo</translation>
    </message>
    <message>
        <source>Forma de onda de 16 bits: %1</source>
        <translation>Forma de onda de 16 bits: %1</translation>
    </message>
    <message>
        <source>ninguna señal a la vista</source>
        <translation>ningún sinal á vista</translation>
    </message>
    <message>
        <source>Sistemas de Telefonía (Tramavox)</source>
        <translation>Sistemas de Telefonía (Tramavox)</translation>
    </message>
    <message>
        <source>Dibujo de las señales</source>
        <translation>Debuxo dos sinais</translation>
    </message>
    <message>
        <source>El reloj y las formas de onda NRZ, RZ, AMI y HDB3 del número; cada casilla de la rejilla es un bit</source>
        <translation>O reloxo e as formas de onda NRZ, RZ, AMI e HDB3 do número; cada cadro da grade é un bit</translation>
    </message>
    <message>
        <source>Nombres de las señales</source>
        <translation>Nomes dos sinais</translation>
    </message>
    <message>
        <source>Pulsa el nombre de una señal para mostrarla u ocultarla</source>
        <translation>Preme o nome dun sinal para mostralo ou ocultalo</translation>
    </message>
    <message>
        <source>RZ</source>
        <translation>RZ</translation>
    </message>
    <message>
        <source>Señal RZ</source>
        <translation>Sinal RZ</translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal RZ</source>
        <translation>Preme para mostrar ou ocultar o sinal RZ</translation>
    </message>
    <message>
        <source>NRZ</source>
        <translation>NRZ</translation>
    </message>
    <message>
        <source>Señal NRZ</source>
        <translation>Sinal NRZ</translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal NRZ</source>
        <translation>Preme para mostrar ou ocultar o sinal NRZ</translation>
    </message>
    <message>
        <source>CLK</source>
        <translation>CLK</translation>
    </message>
    <message>
        <source>Señal CLK</source>
        <translation>Sinal CLK</translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal CLK</source>
        <translation>Preme para mostrar ou ocultar o sinal CLK</translation>
    </message>
    <message>
        <source>AMI</source>
        <translation>AMI</translation>
    </message>
    <message>
        <source>Señal AMI</source>
        <translation>Sinal AMI</translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal AMI</source>
        <translation>Preme para mostrar ou ocultar o sinal AMI</translation>
    </message>
    <message>
        <source>HDB3</source>
        <translation>HDB3</translation>
    </message>
    <message>
        <source>Señal HDB3</source>
        <translation>Sinal HDB3</translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal HDB3</source>
        <translation>Preme para mostrar ou ocultar o sinal HDB3</translation>
    </message>
    <message>
        <source>Periodo </source>
        <translation>Período </translation>
    </message>
    <message>
        <source>Periodo de bit</source>
        <translation>Período de bit</translation>
    </message>
    <message>
        <source>Ancho de un bit en el dibujo, de 1 a 10; se mueve con las flechas</source>
        <translation>Largura dun bit no debuxo, de 1 a 10; móvese coas frechas</translation>
    </message>
    <message>
        <source>Número</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>0000</source>
        <translation>0000</translation>
    </message>
    <message>
        <source>Número hexadecimal</source>
        <translation>Número hexadecimal</translation>
    </message>
    <message>
        <source>Escribe cifras hexadecimales en cualquier parte de la ventana; entran por la derecha</source>
        <translation>Escribe cifras hexadecimais en calquera parte da xanela; entran pola dereita</translation>
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
        <translation>Número en binario</translation>
    </message>
    <message>
        <source>Los 16 bits del número</source>
        <translation>Os 16 bits do número</translation>
    </message>
    <message>
        <source>Binario</source>
        <translation>Binario</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Vuelve el número a 0000</source>
        <translation>Volve o número a 0000</translation>
    </message>
    <message>
        <source>Cadena HDB3</source>
        <translation>Cadea HDB3</translation>
    </message>
    <message>
        <source>Los símbolos HDB3 de ocho copias del número, con sus sustituciones B y V</source>
        <translation>Os símbolos HDB3 de oito copias do número, coas súas substitucións B e V</translation>
    </message>
    <message>
        <source>¿A qué número hexadecimal se corresponde el código que se muestra?</source>
        <translation>A que número hexadecimal corresponde o código que se mostra?</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Reloj</source>
        <translation>Reloxo</translation>
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
        <translation>Ver todos</translation>
    </message>
    <message>
        <source>Ocultar todos</source>
        <translation>Ocultar todos</translation>
    </message>
    <message>
        <source>Ampliar</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Reducir</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Tamaño normal</source>
        <translation>Tamaño normal</translation>
    </message>
    <message>
        <source>Ampliación: 100 %</source>
        <translation>Ampliación: 100 %</translation>
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
        <translation>Utilidades</translation>
    </message>
    <message>
        <source>Proponer ejercicio</source>
        <translation>Propor exercicio</translation>
    </message>
    <message>
        <source>Laboratorio de códigos…</source>
        <translation>Laboratorio de códigos…</translation>
    </message>
    <message>
        <source>Entrenador de códigos…</source>
        <translation>Adestrador de códigos…</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Axuda</translation>
    </message>
    <message>
        <source>Acerca de ...</source>
        <translation>Acerca de ...</translation>
    </message>
    <message>
        <source>Ayuda ...</source>
        <translation>Axuda ...</translation>
    </message>
</context>
<context>
    <name>principal::VentanaPrincipal</name>
    <message>
        <source>Ampliación: %1 %</source>
        <translation>Ampliación: %1 %</translation>
    </message>
    <message>
        <source>Copiar imagen</source>
        <translation>Copiar imaxe</translation>
    </message>
    <message>
        <source>Guardar imagen…</source>
        <translation>Gardar imaxe…</translation>
    </message>
    <message>
        <source>Guardar imagen</source>
        <translation>Gardar imaxe</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png);;Dibujo vectorial SVG (*.svg)</source>
        <translation>Imaxe PNG (*.png);;Debuxo vectorial SVG (*.svg)</translation>
    </message>
    <message>
        <source>No se pudo guardar la imagen en «%1»: %2.</source>
        <translation>Non se puido gardar a imaxe en «%1»: %2.</translation>
    </message>
</context>
</TS>
