<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu" sourcelanguage="es">
<context>
    <name>Ejerc</name>
    <message>
        <source>Ejercicios</source>
        <translation>Ariketak</translation>
    </message>
    <message>
        <source>Estadísticas</source>
        <translation>Estatistikak</translation>
    </message>
    <message>
        <source>Barra de aciertos</source>
        <translation>Asmatzeen barra</translation>
    </message>
    <message>
        <source>El porcentaje de aciertos del alumno elegido</source>
        <translation>Aukeratutako ikaslearen asmatzeen ehunekoa</translation>
    </message>
    <message>
        <source>Detalles</source>
        <translation>Xehetasunak</translation>
    </message>
    <message>
        <source>Abre la vista de toda la clase para el profesor</source>
        <translation>Irakaslearentzat klase osoaren ikuspegia irekitzen du</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Borra las estadísticas del alumno elegido, tras confirmarlo</source>
        <translation>Aukeratutako ikaslearen estatistikak ezabatzen ditu, berretsi ondoren</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Porcentaje de aciertos</source>
        <translation>Asmatzeen ehunekoa</translation>
    </message>
    <message>
        <source>Estadística del alumno elegido</source>
        <translation>Aukeratutako ikaslearen estatistika</translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation>Asmatzeak</translation>
    </message>
    <message>
        <source>Errores</source>
        <translation>Hutsak</translation>
    </message>
    <message>
        <source>Total de respuestas</source>
        <translation>Erantzunak guztira</translation>
    </message>
    <message>
        <source>Introduce tu nombre</source>
        <translation>Idatzi zure izena</translation>
    </message>
    <message>
        <source>Alumno</source>
        <translation>Ikaslea</translation>
    </message>
    <message>
        <source>Escribe tu nombre y pulsa Intro, o elige uno de la lista</source>
        <translation>Idatzi zure izena eta sakatu Sartu, edo aukeratu zerrendako bat</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Guztira</translation>
    </message>
    <message>
        <source>Alumno:</source>
        <translation>Ikaslea:</translation>
    </message>
    <message>
        <source>Respuesta</source>
        <translation>Erantzuna</translation>
    </message>
    <message>
        <source>0000</source>
        <translation>0000</translation>
    </message>
    <message>
        <source>Escribe las cifras hexadecimales del número que lees en el dibujo</source>
        <translation>Idatzi marrazkian irakurtzen duzun zenbakiaren zifra hamaseitarrak</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Comprueba la respuesta y la cuenta para el alumno</source>
        <translation>Erantzuna egiaztatzen du eta ikaslearentzat zenbatzen du</translation>
    </message>
    <message>
        <source>Código a  ejercitar</source>
        <translation>Ariketako kodea</translation>
    </message>
    <message>
        <source>NRZ</source>
        <translation>NRZ</translation>
    </message>
    <message>
        <source>Código que se dibuja en los ejercicios</source>
        <translation>Ariketetan marrazten den kodea</translation>
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
        <translation>Ausazkoa</translation>
    </message>
    <message>
        <source>Proponer</source>
        <translation>Proposatu</translation>
    </message>
    <message>
        <source>Propone un ejercicio nuevo</source>
        <translation>Ariketa berri bat proposatzen du</translation>
    </message>
    <message>
        <source>Solución</source>
        <translation>Ebazpena</translation>
    </message>
    <message>
        <source>Muestra el número; la respuesta ya no cuenta</source>
        <translation>Zenbakia erakusten du; erantzunak ez du gehiago balio</translation>
    </message>
    <message>
        <source>Periodo </source>
        <translation>Periodoa </translation>
    </message>
    <message>
        <source>Periodo de bit</source>
        <translation>Bit-periodoa</translation>
    </message>
    <message>
        <source>Ancho de un bit en el dibujo de la ventana principal</source>
        <translation>Bit baten zabalera leiho nagusiko marrazkian</translation>
    </message>
    <message>
        <source>Text1</source>
        <translation>Text1</translation>
    </message>
    <message>
        <source>Teclado de la respuesta</source>
        <translation>Erantzunaren teklatua</translation>
    </message>
    <message>
        <source>Tras elegir alumno, las cifras tecleadas van a la respuesta</source>
        <translation>Ikaslea aukeratu ondoren, tekleatutako zifrak erantzunera doaz</translation>
    </message>
    <message>
        <source>La respuesta es incorrecta</source>
        <translation>Erantzuna okerra da</translation>
    </message>
    <message>
        <source>Examen</source>
        <translation>Azterketa</translation>
    </message>
    <message>
        <source>La pregunta del examen y el tiempo que queda</source>
        <translation>Azterketaren galdera eta geratzen den denbora</translation>
    </message>
</context>
<context>
    <name>acerca</name>
    <message>
        <source>Acerca de Tramavox</source>
        <translation>Tramavox-i buruz</translation>
    </message>
    <message>
        <source>Imagen y ciclo formativo del programa</source>
        <translation>Programaren irudia eta heziketa-zikloa</translation>
    </message>
    <message>
        <source>Imagen del aula</source>
        <translation>Ikasgelaren irudia</translation>
    </message>
    <message>
        <source>Alumnos en los bancos de un laboratorio de telefonía</source>
        <translation>Ikasleak telefonia-laborategi bateko mahaietan</translation>
    </message>
    <message>
        <source>    Ciclo Formativo de Grado Superior   Sistemas de Telecomunicación e Informáticos.</source>
        <translation>    Goi Mailako Heziketa Zikloa   Telekomunikazio eta Informatika Sistemak.</translation>
    </message>
    <message>
        <source>Descripción del programa</source>
        <translation>Programaren deskribapena</translation>
    </message>
    <message>
        <source>Para qué y para quién se hizo el programa</source>
        <translation>Zertarako eta norentzat egin zen programa</translation>
    </message>
    <message>
        <source>Programa y dibujos: equipo Tramavox</source>
        <translation>Programa eta marrazkiak: Tramavox taldea</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Cierra esta ventana</source>
        <translation>Leiho hau ixten du</translation>
    </message>
    <message>
        <source>Sistemas de Telefonía</source>
        <translation>Telefonia Sistemak</translation>
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
        <translation>Telefonian erabiltzen diren serieko <byte value="xd"/>
datu-kodeak lantzeko programa, <byte value="xd"/>
&quot;Telefonia Sistemak&quot; hasierako <byte value="xd"/>
lanbide-moduluarentzat garatua, <byte value="xd"/>
goi mailako &quot;Telekomunikazio eta <byte value="xd"/>
Informatika Sistemak&quot; heziketa-<byte value="xd"/>
zikloaren barruan.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>almacen</name>
    <message>
        <source>las cuentas no son dos números enteros positivos</source>
        <translation>kontuak ez dira bi zenbaki oso positibo</translation>
    </message>
    <message>
        <source>tiene más aciertos (%1) que respuestas (%2)</source>
        <translation>erantzunak (%2) baino asmatze gehiago (%1) ditu</translation>
    </message>
    <message>
        <source>está en blanco</source>
        <translation>zuri dago</translation>
    </message>
    <message>
        <source>tiene caracteres nulos</source>
        <translation>karaktere nuluak ditu</translation>
    </message>
    <message>
        <source>no tiene nombre</source>
        <translation>ez du izenik</translation>
    </message>
    <message>
        <source>el nombre pasa de %1 caracteres</source>
        <translation>izenak %1 karaktere baino gehiago ditu</translation>
    </message>
    <message>
        <source>línea %1: %2</source>
        <translation>%1. lerroa: %2</translation>
    </message>
    <message>
        <source>El nombre no puede pasar de %1 caracteres.</source>
        <translation>Izenak ezin ditu %1 karaktere baino gehiago izan.</translation>
    </message>
    <message>
        <source>El nombre no puede llevar «%1»: el fichero de notas no puede guardarlo.</source>
        <translation>Izenak ezin du «%1» eraman: noten fitxategiak ezin du gorde.</translation>
    </message>
    <message>
        <source>«%1» no es una carpeta</source>
        <translation>«%1» ez da karpeta bat</translation>
    </message>
    <message>
        <source>no se puede crear en ella la carpeta de los registros «%1»: %2</source>
        <translation>ezin da bertan «%1» erregistroen karpeta sortu: %2</translation>
    </message>
    <message>
        <source>no se puede crear en ella el registro de este puesto: %1</source>
        <translation>ezin da bertan postu honen erregistroa sortu: %1</translation>
    </message>
    <message>
        <source>la carpeta compartida no garantiza que un fichero nuevo sea solo del puesto que lo crea</source>
        <translation>karpeta partekatuak ez du bermatzen fitxategi berri bat sortzen duen postuarena bakarrik izatea</translation>
    </message>
    <message>
        <source>no se pudo leer «%1»: %2</source>
        <translation>ezin izan da «%1» irakurri: %2</translation>
    </message>
    <message>
        <source>no se pudo guardar la copia del historial: %1</source>
        <translation>ezin izan da historialaren kopia gorde: %1</translation>
    </message>
    <message>
        <source>el registro de este puesto no está abierto</source>
        <translation>postu honen erregistroa ez dago irekita</translation>
    </message>
    <message>
        <source>«%1» ya no está en la clase: otro puesto lo ha borrado</source>
        <translation>«%1» ez dago jada klasean: beste postu batek ezabatu du</translation>
    </message>
    <message>
        <source>el fichero de la contraseña del profesor «%1» está dañado</source>
        <translation>irakaslearen pasahitzaren «%1» fitxategia hondatuta dago</translation>
    </message>
    <message>
        <source>la contraseña actual no es la del profesor</source>
        <translation>uneko pasahitza ez da irakaslearena</translation>
    </message>
    <message>
        <source>la contraseña ha de tener al menos %1 caracteres</source>
        <translation>pasahitzak gutxienez %1 karaktere izan behar ditu</translation>
    </message>
    <message>
        <source>no se puede usar la biblioteca de cifrado</source>
        <translation>ezin da zifratze-liburutegia erabili</translation>
    </message>
    <message>
        <source>no hay memoria bastante para cifrar la contraseña</source>
        <translation>ez dago pasahitza zifratzeko adina memoria</translation>
    </message>
    <message>
        <source>El examen ha de tener un nombre.</source>
        <translation>Azterketak izen bat izan behar du.</translation>
    </message>
    <message>
        <source>Elige al menos un código para el examen.</source>
        <translation>Aukeratu gutxienez kode bat azterketarako.</translation>
    </message>
    <message>
        <source>El examen ha de tener de 1 a %1 preguntas.</source>
        <translation>Azterketak gutxienez galdera 1 eta gehienez %1 izan behar ditu.</translation>
    </message>
    <message>
        <source>El examen ha de durar de 1 a %1 minutos.</source>
        <translation>Azterketak gutxienez minutu 1 eta gehienez %1 iraun behar du.</translation>
    </message>
</context>
<context>
    <name>ayu</name>
    <message>
        <source>Ayuda</source>
        <translation>Laguntza</translation>
    </message>
    <message>
        <source>RichTextBox1</source>
        <translation>RichTextBox1</translation>
    </message>
    <message>
        <source>Texto de ayuda</source>
        <translation>Laguntzaren testua</translation>
    </message>
    <message>
        <source>Cómo se usa el programa y la teoría de los códigos de línea</source>
        <translation>Programa nola erabiltzen den eta lerro-kodeen teoria</translation>
    </message>
</context>
<context>
    <name>ayuda</name>
    <message>
        <source>%1, del número %2.</source>
        <translation>%1, %2 zenbakiarena.</translation>
    </message>
    <message>
        <source>Señal %1 de los bits %2.</source>
        <translation>%2 biten %1 seinalea.</translation>
    </message>
    <message>
        <source>%1 de los bits %2 tras %3 dB de cable: lo que llega, lo que lee el receptor y el reloj que recupera.</source>
        <translation>%2 biten %1, %3 dB kableren ondoren: iristen dena, hartzaileak irakurtzen duena eta berreskuratzen duen erlojua.</translation>
    </message>
    <message>
        <source>Ojo de %1 tras %2 dB de cable, sin ruido.</source>
        <translation>%1-(r)en begia %2 dB kableren ondoren, zaratarik gabe.</translation>
    </message>
    <message>
        <source>Tasa de errores de %1: medida (puntos) y teórica (curvas).</source>
        <translation>%1 kodeen errore-tasa: neurtua (puntuak) eta teorikoa (kurbak).</translation>
    </message>
</context>
<context>
    <name>ayuda::VentanaAcerca</name>
    <message>
        <source>Dibujo de Tramavox</source>
        <translation>Tramavox-en marrazkia</translation>
    </message>
    <message>
        <source>Las señales de reloj, NRZ, RZ, AMI y HDB3 de un número, como las dibuja el programa</source>
        <translation>Zenbaki baten erloju-, NRZ, RZ, AMI eta HDB3 seinaleak, programak marrazten dituen bezala</translation>
    </message>
</context>
<context>
    <name>ayuda::VentanaAyuda</name>
    <message>
        <source>No se pudo leer «%1»: %2. Se muestra la ayuda que lleva el programa.</source>
        <translation>Ezin izan da «%1» irakurri: %2. Programak berekin daraman laguntza erakusten da.</translation>
    </message>
</context>
<context>
    <name>codigos</name>
    <message>
        <source>ocho ceros → 000VB0VB: V repite el signo del último pulso y B lo invierte</source>
        <translation>zortzi zero → 000VB0VB: V-k azken pultsuaren zeinua errepikatzen du eta B-k alderantzikatzen du</translation>
    </message>
    <message>
        <source>cuatro ceros tras un número par de marcas desde la última V → B00V</source>
        <translation>lau zero azken V-tik marka kopuru bikoitiaren ondoren → B00V</translation>
    </message>
    <message>
        <source>cuatro ceros tras un número impar de marcas desde la última V → 000V</source>
        <translation>lau zero azken V-tik marka kopuru bakoitiaren ondoren → 000V</translation>
    </message>
    <message>
        <source>falta dibujar este medio bit</source>
        <translation>bit-erdi hau marrazteko falta da</translation>
    </message>
    <message>
        <source>aquí va %1: %2</source>
        <translation>hemen %1 doa: %2</translation>
    </message>
    <message>
        <source>falta la transición a mitad de bit</source>
        <translation>bit erdiko trantsizioa falta da</translation>
    </message>
    <message>
        <source>la marca debe alternar</source>
        <translation>markak txandakatu behar du</translation>
    </message>
    <message>
        <source>el pulso dura medio bit</source>
        <translation>pultsuak bit erdi irauten du</translation>
    </message>
    <message>
        <source>aquí no hay pulso</source>
        <translation>hemen ez dago pultsurik</translation>
    </message>
    <message>
        <source>aquí va un pulso</source>
        <translation>hemen pultsu bat doa</translation>
    </message>
    <message>
        <source>aquí va el nivel %1</source>
        <translation>hemen %1 maila doa</translation>
    </message>
    <message>
        <source>NRZ unipolar</source>
        <translation>NRZ unipolarra</translation>
    </message>
    <message>
        <source>NRZ unipolar: un 1 es nivel alto todo el bit; un 0, nivel cero.</source>
        <translation>NRZ unipolarra: 1 bat maila altua da bit osoan; 0 bat, zero maila.</translation>
    </message>
    <message>
        <source>NRZ polar</source>
        <translation>NRZ polarra</translation>
    </message>
    <message>
        <source>NRZ polar: un 1 es +1 todo el bit; un 0, −1.</source>
        <translation>NRZ polarra: 1 bat +1 da bit osoan; 0 bat, −1.</translation>
    </message>
    <message>
        <source>NRZI: cada 1 cambia el nivel al empezar el bit; un 0 lo mantiene.</source>
        <translation>NRZI: 1 bakoitzak maila aldatzen du bita hastean; 0 batek mantendu egiten du.</translation>
    </message>
    <message>
        <source>RZ unipolar: un 1 es un pulso en la primera mitad del bit; un 0, nivel cero.</source>
        <translation>RZ unipolarra: 1 bat pultsu bat da bitaren lehen erdian; 0 bat, zero maila.</translation>
    </message>
    <message>
        <source>AMI (ANSI T1.102): cada 1 es un pulso de medio bit de signo contrario al anterior; un 0, cero.</source>
        <translation>AMI (ANSI T1.102): 1 bakoitza bit erdiko pultsu bat da, aurrekoaren aurkako zeinukoa; 0 bat, zero.</translation>
    </message>
    <message>
        <source>Pseudoternario</source>
        <translation>Pseudoternarioa</translation>
    </message>
    <message>
        <source>Pseudoternario (UIT-T I.430): cada 0 es un pulso de bit entero, de signo contrario al anterior; un 1, cero.</source>
        <translation>Pseudoternarioa (UIT-T I.430): 0 bakoitza bit osoko pultsu bat da, aurrekoaren aurkako zeinukoa; 1 bat, zero.</translation>
    </message>
    <message>
        <source>HDB3 (UIT-T G.703): AMI en que cuatro ceros son 000V tras un número impar de marcas desde la última V, o B00V tras un número par.</source>
        <translation>HDB3 (UIT-T G.703): AMI, non lau zero 000V diren azken V-tik marka kopuru bakoitiaren ondoren, edo B00V kopuru bikoitiaren ondoren.</translation>
    </message>
    <message>
        <source>B8ZS (ANSI T1.102): AMI en que ocho ceros son 000VB0VB.</source>
        <translation>B8ZS (ANSI T1.102): AMI, non zortzi zero 000VB0VB diren.</translation>
    </message>
    <message>
        <source>CMI (UIT-T G.703): un 1 ocupa el bit entero, alto y bajo por turnos; un 0 es bajo y luego alto.</source>
        <translation>CMI (UIT-T G.703): 1 batek bit osoa hartzen du, txandaka altua eta baxua; 0 bat baxua da eta gero altua.</translation>
    </message>
    <message>
        <source>Manchester (IEEE 802.3): un 1 sube a mitad de bit; un 0 baja (al revés que el convenio de G. E. Thomas).</source>
        <translation>Manchester (IEEE 802.3): 1 bat bit erdian igotzen da; 0 bat jaisten da (G. E. Thomasen hitzarmenaren alderantziz).</translation>
    </message>
    <message>
        <source>Manchester diferencial</source>
        <translation>Manchester diferentziala</translation>
    </message>
    <message>
        <source>Manchester diferencial: siempre hay transición a mitad de bit, y además al empezar cada 0.</source>
        <translation>Manchester diferentziala: beti dago trantsizioa bit erdian, eta gainera 0 bakoitzaren hasieran.</translation>
    </message>
    <message>
        <source>2B1Q (ANSI T1.601): dos bits por símbolo, el primero el signo y el segundo la magnitud: 10 +3, 11 +1, 01 −1, 00 −3; un último bit sin pareja va con un 0.</source>
        <translation>2B1Q (ANSI T1.601): bi bit ikur bakoitzeko, lehenengoa zeinua eta bigarrena magnitudea: 10 +3, 11 +1, 01 −1, 00 −3; bikoterik gabeko azken bit bat 0 batekin doa.</translation>
    </message>
    <message>
        <source>MLT-3: cada 1 avanza un paso por 0, +1, 0, −1; un 0 mantiene el nivel.</source>
        <translation>MLT-3: 1 bakoitzak urrats bat aurrera egiten du 0, +1, 0, −1 zehar; 0 batek maila mantentzen du.</translation>
    </message>
    <message>
        <source>Solo se admiten los bits 0 y 1; los espacios se ignoran.</source>
        <translation>0 eta 1 bitak bakarrik onartzen dira; zuriuneak ez dira kontuan hartzen.</translation>
    </message>
    <message>
        <source>Solo se admiten las cifras hexadecimales 0-9 y A-F; los espacios se ignoran.</source>
        <translation>0-9 eta A-F zifra hamaseitarrak bakarrik onartzen dira; zuriuneak ez dira kontuan hartzen.</translation>
    </message>
    <message>
        <source>Solo se admiten caracteres de un byte (Latin-1): cada uno da sus 8 bits.</source>
        <translation>Byte bateko karaktereak bakarrik onartzen dira (Latin-1): bakoitzak bere 8 bitak ematen ditu.</translation>
    </message>
    <message>
        <source>Como mucho %1 bits.</source>
        <translation>Gehienez %1 bit.</translation>
    </message>
    <message>
        <source>violación bipolar no esperada</source>
        <translation>espero ez zen urraketa bipolarra</translation>
    </message>
    <message>
        <source>violación que no cuadra con la paridad inicial</source>
        <translation>hasierako paritatearekin bat ez datorren urraketa</translation>
    </message>
    <message>
        <source>violación con la polaridad de la anterior</source>
        <translation>aurrekoaren polaritatea duen urraketa</translation>
    </message>
    <message>
        <source>cuatro ceros seguidos, imposibles en HDB3,</source>
        <translation>lau zero jarraian, HDB3-n ezinezkoak,</translation>
    </message>
    <message>
        <source>ocho ceros seguidos, imposibles en B8ZS,</source>
        <translation>zortzi zero jarraian, B8ZS-n ezinezkoak,</translation>
    </message>
    <message>
        <source>violación de la alternancia CMI</source>
        <translation>CMI txandakatzearen urraketa</translation>
    </message>
    <message>
        <source>símbolo CMI no válido</source>
        <translation>CMI ikur baliogabea</translation>
    </message>
    <message>
        <source>%1 en el bit %2</source>
        <translation>%1, %2. bitean</translation>
    </message>
    <message>
        <source>las marcas no alternan: cada una lleva el signo contrario de la anterior</source>
        <translation>markak ez dira txandakatzen: bakoitzak aurrekoaren aurkako zeinua darama</translation>
    </message>
    <message>
        <source>se empezó con el signo contrario: mira el último pulso antes del primer bit</source>
        <translation>aurkako zeinuarekin hasi da: begiratu lehen bitaren aurreko azken pultsua</translation>
    </message>
    <message>
        <source>se partió del nivel contrario: mira el nivel antes del primer bit</source>
        <translation>aurkako mailatik abiatu da: begiratu lehen bitaren aurreko maila</translation>
    </message>
    <message>
        <source>unos y ceros al revés: el 1 es el nivel alto</source>
        <translation>batak eta zeroak alderantziz: 1 maila altua da</translation>
    </message>
    <message>
        <source>así es NRZ polar: en unipolar el 0 no tiene tensión</source>
        <translation>horrela da NRZ polarra: unipolarrean 0-k ez du tentsiorik</translation>
    </message>
    <message>
        <source>así es RZ: en NRZ el nivel dura todo el bit</source>
        <translation>horrela da RZ: NRZ-n mailak bit osoan irauten du</translation>
    </message>
    <message>
        <source>unos y ceros al revés: el 1 es positivo y el 0 negativo</source>
        <translation>batak eta zeroak alderantziz: 1 positiboa da eta 0 negatiboa</translation>
    </message>
    <message>
        <source>así es NRZ unipolar: en polar el 0 es negativo</source>
        <translation>horrela da NRZ unipolarra: polarrean 0 negatiboa da</translation>
    </message>
    <message>
        <source>así es NRZI: en NRZ polar el nivel dice el bit</source>
        <translation>horrela da NRZI: NRZ polarrean mailak esaten du bita</translation>
    </message>
    <message>
        <source>el cambio va en los ceros: en NRZI cada 1 cambia el nivel</source>
        <translation>aldaketa zeroetan doa: NRZI-n 1 bakoitzak maila aldatzen du</translation>
    </message>
    <message>
        <source>así es NRZ polar: en NRZI el bit no lo dice el nivel, sino el cambio</source>
        <translation>horrela da NRZ polarra: NRZI-n bita ez du mailak esaten, aldaketak baizik</translation>
    </message>
    <message>
        <source>así es NRZ unipolar: en RZ el pulso vuelve a cero a mitad de bit</source>
        <translation>horrela da NRZ unipolarra: RZ-n pultsua zerora itzultzen da bit erdian</translation>
    </message>
    <message>
        <source>unos y ceros al revés: el pulso es el 1</source>
        <translation>batak eta zeroak alderantziz: pultsua 1 da</translation>
    </message>
    <message>
        <source>el pulso va en la primera mitad del bit, no en la segunda</source>
        <translation>pultsua bitaren lehen erdian doa, ez bigarrenean</translation>
    </message>
    <message>
        <source>así es pseudoternario: en AMI los pulsos son los unos</source>
        <translation>horrela da pseudoternarioa: AMI-n pultsuak batak dira</translation>
    </message>
    <message>
        <source>el pulso dura todo el bit: en AMI dura medio bit</source>
        <translation>pultsuak bit osoan irauten du: AMI-n bit erdi irauten du</translation>
    </message>
    <message>
        <source>así es AMI: en pseudoternario los pulsos son los ceros</source>
        <translation>horrela da AMI: pseudoternarioan pultsuak zeroak dira</translation>
    </message>
    <message>
        <source>sin sustituciones: así queda en AMI, y en HDB3 cada cuatro ceros seguidos se sustituyen</source>
        <translation>ordezkapenik gabe: horrela geratzen da AMI-n, eta HDB3-n jarraian dauden lau zero bakoitza ordezkatzen da</translation>
    </message>
    <message>
        <source>se eligió mal entre 000V y B00V: cuenta las marcas desde la última V</source>
        <translation>gaizki aukeratu da 000V eta B00V artean: zenbatu markak azken V-tik</translation>
    </message>
    <message>
        <source>la V lleva la polaridad contraria: repite la del pulso anterior</source>
        <translation>V-k aurkako polaritatea darama: aurreko pultsuarena errepikatzen du</translation>
    </message>
    <message>
        <source>sin sustituciones: así queda en AMI, y en B8ZS cada ocho ceros seguidos se sustituyen</source>
        <translation>ordezkapenik gabe: horrela geratzen da AMI-n, eta B8ZS-n jarraian dauden zortzi zero bakoitza ordezkatzen da</translation>
    </message>
    <message>
        <source>el patrón 000VB0VB va desplazado: empieza en el primero de los ocho ceros</source>
        <translation>000VB0VB eredua lekuz aldatuta dago: zortzi zeroetako lehenengoan hasten da</translation>
    </message>
    <message>
        <source>la B no alterna: lleva el signo contrario del pulso anterior</source>
        <translation>B ez da txandakatzen: aurreko pultsuaren aurkako zeinua darama</translation>
    </message>
    <message>
        <source>el 0 va al revés: en CMI es bajo en la primera mitad y alto en la segunda</source>
        <translation>0 alderantziz doa: CMI-n baxua da lehen erdian eta altua bigarrenean</translation>
    </message>
    <message>
        <source>los unos no alternan: cada 1 lleva el nivel contrario del 1 anterior</source>
        <translation>batak ez dira txandakatzen: 1 bakoitzak aurreko 1aren aurkako maila darama</translation>
    </message>
    <message>
        <source>las transiciones van al revés: es el convenio de G. E. Thomas, no el de IEEE 802.3</source>
        <translation>trantsizioak alderantziz doaz: G. E. Thomasen hitzarmena da, ez IEEE 802.3rena</translation>
    </message>
    <message>
        <source>así es NRZ polar: falta la transición a mitad de bit</source>
        <translation>horrela da NRZ polarra: bit erdiko trantsizioa falta da</translation>
    </message>
    <message>
        <source>así es Manchester diferencial: en Manchester el sentido de la transición dice el bit</source>
        <translation>horrela da Manchester diferentziala: Manchester-en trantsizioaren noranzkoak esaten du bita</translation>
    </message>
    <message>
        <source>el cambio al principio del bit va en los unos: en el diferencial lo lleva cada 0</source>
        <translation>bitaren hasierako aldaketa batetan doa: diferentzialean 0 bakoitzak darama</translation>
    </message>
    <message>
        <source>así es Manchester: en el diferencial el bit lo dice si hay cambio al principio</source>
        <translation>horrela da Manchester: diferentzialean hasieran aldaketa dagoen ala ez da bita</translation>
    </message>
    <message>
        <source>signo y magnitud cambiados: el primer bit de cada par da el signo</source>
        <translation>zeinua eta magnitudea trukatuta: bikote bakoitzaren lehen bitak ematen du zeinua</translation>
    </message>
    <message>
        <source>las magnitudes al revés: un 1 en el segundo bit es ±1 y un 0 es ±3</source>
        <translation>magnitudeak alderantziz: bigarren bitean 1 bat ±1 da eta 0 bat ±3</translation>
    </message>
    <message>
        <source>el signo al revés: un 1 en el primer bit es positivo</source>
        <translation>zeinua alderantziz: lehen bitean 1 bat positiboa da</translation>
    </message>
    <message>
        <source>cada 1 cambia de signo sin pasar por cero: MLT-3 recorre 0, +1, 0, −1</source>
        <translation>1 bakoitzak zeinua aldatzen du zerotik pasatu gabe: MLT-3k 0, +1, 0, −1 egiten du</translation>
    </message>
    <message>
        <source>cambian los ceros: en MLT-3 solo cada 1 avanza un paso</source>
        <translation>zeroak aldatzen dira: MLT-3n 1 bakoitzak bakarrik egiten du urrats bat aurrera</translation>
    </message>
    <message>
        <source>se partió de otro nivel: mira el nivel antes del primer bit</source>
        <translation>beste maila batetik abiatu da: begiratu lehen bitaren aurreko maila</translation>
    </message>
    <message>
        <source>último pulso positivo</source>
        <translation>azken pultsua positiboa</translation>
    </message>
    <message>
        <source>último pulso negativo</source>
        <translation>azken pultsua negatiboa</translation>
    </message>
    <message>
        <source>%1, un número impar de marcas desde la última V</source>
        <translation>%1, marka kopuru bakoitia azken V-tik</translation>
    </message>
    <message>
        <source>%1, un número par de marcas desde la última V</source>
        <translation>%1, marka kopuru bikoitia azken V-tik</translation>
    </message>
    <message>
        <source>nivel inicial alto</source>
        <translation>hasierako maila altua</translation>
    </message>
    <message>
        <source>nivel inicial bajo</source>
        <translation>hasierako maila baxua</translation>
    </message>
    <message>
        <source>nivel inicial %1</source>
        <translation>hasierako maila %1</translation>
    </message>
    <message>
        <source>nivel inicial cero, tras un pulso positivo</source>
        <translation>hasierako maila zero, pultsu positibo baten ondoren</translation>
    </message>
    <message>
        <source>nivel inicial cero, tras un pulso negativo</source>
        <translation>hasierako maila zero, pultsu negatibo baten ondoren</translation>
    </message>
</context>
<context>
    <name>detalles</name>
    <message>
        <source>Detalles de la clase</source>
        <translation>Klasearen xehetasunak</translation>
    </message>
    <message>
        <source>Estadísticas de la clase</source>
        <translation>Klasearen estatistikak</translation>
    </message>
    <message>
        <source>Total, aciertos, errores y porcentaje de cada alumno; pulsa una cabecera para ordenar</source>
        <translation>Ikasle bakoitzaren guztizkoa, asmatzeak, hutsak eta ehunekoa; sakatu goiburu bat ordenatzeko</translation>
    </message>
    <message>
        <source>Respuestas por código</source>
        <translation>Erantzunak kodeka</translation>
    </message>
    <message>
        <source>Aciertos y errores de cada alumno en NRZ, RZ, AMI y HDB3</source>
        <translation>Ikasle bakoitzaren asmatzeak eta hutsak NRZ, RZ, AMI eta HDB3-n</translation>
    </message>
    <message>
        <source>Exportar CSV…</source>
        <translation>Esportatu CSV…</translation>
    </message>
    <message>
        <source>Exportar CSV</source>
        <translation>Esportatu CSV</translation>
    </message>
    <message>
        <source>Guarda la tabla para una hoja de cálculo</source>
        <translation>Taula kalkulu-orri baterako gordetzen du</translation>
    </message>
    <message>
        <source>Informe PDF…</source>
        <translation>PDF txostena…</translation>
    </message>
    <message>
        <source>Informe PDF</source>
        <translation>PDF txostena</translation>
    </message>
    <message>
        <source>Guarda un informe de la clase para imprimir</source>
        <translation>Klasearen txosten bat gordetzen du inprimatzeko</translation>
    </message>
    <message>
        <source>Borrar alumno</source>
        <translation>Ezabatu ikaslea</translation>
    </message>
    <message>
        <source>Borra de las estadísticas el alumno elegido en la tabla</source>
        <translation>Taulan aukeratutako ikaslea estatistiketatik ezabatzen du</translation>
    </message>
    <message>
        <source>Cuentas a cero, alumnos borrados y soluciones vistas, lo último primero:</source>
        <translation>Zerora jarritako kontuak, ezabatutako ikasleak eta ikusitako soluzioak, azkena lehenengo:</translation>
    </message>
    <message>
        <source>Sucesos de la clase</source>
        <translation>Klaseko gertaerak</translation>
    </message>
    <message>
        <source>Quién puso sus cuentas a cero, borró a un alumno o vio una solución, cuándo y en qué puesto</source>
        <translation>Nork jarri dituen bere kontuak zerora, ikasle bat ezabatu duen edo soluzio bat ikusi duen, noiz eta zein postutan</translation>
    </message>
    <message>
        <source>Contraseña del profesor…</source>
        <translation>Irakaslearen pasahitza…</translation>
    </message>
    <message>
        <source>Contraseña del profesor</source>
        <translation>Irakaslearen pasahitza</translation>
    </message>
    <message>
        <source>Pone o cambia la contraseña que piden borrar alumnos y poner cuentas a cero</source>
        <translation>Ikasleak ezabatzeko eta kontuak zerora jartzeko eskatzen den pasahitza jarri edo aldatzen du</translation>
    </message>
    <message>
        <source>Aún no ha habido ningún examen.</source>
        <translation>Oraindik ez da azterketarik egon.</translation>
    </message>
    <message>
        <source>Notas del examen</source>
        <translation>Azterketaren notak</translation>
    </message>
    <message>
        <source>Preguntas respondidas, aciertos y nota de cada alumno en el último examen</source>
        <translation>Ikasle bakoitzak azken azterketan erantzundako galderak, asmatutakoak eta nota</translation>
    </message>
    <message>
        <source>Empezar examen…</source>
        <translation>Hasi azterketa…</translation>
    </message>
    <message>
        <source>Empezar examen</source>
        <translation>Hasi azterketa</translation>
    </message>
    <message>
        <source>Empieza un examen en todos los puestos de la clase</source>
        <translation>Azterketa bat hasten du gelako postu guztietan</translation>
    </message>
    <message>
        <source>Terminar examen</source>
        <translation>Amaitu azterketa</translation>
    </message>
    <message>
        <source>Termina el examen en curso en todos los puestos</source>
        <translation>Martxan dagoen azterketa amaitzen du postu guztietan</translation>
    </message>
    <message>
        <source>Notas del examen (CSV)…</source>
        <translation>Azterketaren notak (CSV)…</translation>
    </message>
    <message>
        <source>Guarda las notas del último examen para una hoja de cálculo</source>
        <translation>Azken azterketaren notak gordetzen ditu kalkulu-orri baterako</translation>
    </message>
</context>
<context>
    <name>dibujo</name>
    <message>
        <source>Sistemas de
Telefonía</source>
        <translation>Telefonia
Sistemak</translation>
    </message>
</context>
<context>
    <name>ejercicio</name>
    <message>
        <source>«%1» estaba escrito en UTF-8; se ha leído así y se guardará en Windows-1252, como lo escribe el programa.</source>
        <translation>«%1» UTF-8n idatzita zegoen; horrela irakurri da eta Windows-1252n gordeko da, programak idazten duen bezala.</translation>
    </message>
    <message>
        <source>y %1 más</source>
        <translation>eta beste %1</translation>
    </message>
    <message>
        <source>Estas líneas de «%1» no son de ningún alumno y se dejan como están: %2.</source>
        <translation>«%1»-(e)ko lerro hauek ez dira inongo ikaslerenak eta dauden bezala uzten dira: %2.</translation>
    </message>
    <message>
        <source>No se pudo leer «%1»: %2. Las estadísticas de esta sesión no se guardarán.</source>
        <translation>Ezin izan da «%1» irakurri: %2. Saio honetako estatistikak ez dira gordeko.</translation>
    </message>
    <message>
        <source>Reintentar</source>
        <translation>Saiatu berriro</translation>
    </message>
    <message>
        <source>Guardar una copia…</source>
        <translation>Gorde kopia bat…</translation>
    </message>
    <message>
        <source>Cerrar sin guardar</source>
        <translation>Itxi gorde gabe</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Utzi</translation>
    </message>
    <message>
        <source>Guardar una copia de las estadísticas</source>
        <translation>Gorde estatistiken kopia bat</translation>
    </message>
    <message>
        <source>Estadísticas (*.pnt)</source>
        <translation>Estatistikak (*.pnt)</translation>
    </message>
    <message>
        <source>No se pudo guardar la copia en «%1»: %2.</source>
        <translation>Ezin izan da kopia «%1»-(e)n gorde: %2.</translation>
    </message>
    <message>
        <source>Una cuenta de «%1» ha llegado al máximo que se puede guardar (%2) y no crecerá más.</source>
        <translation>«%1»-(r)en kontu bat gorde daitekeen gehienekora iritsi da (%2) eta ez da gehiago haziko.</translation>
    </message>
    <message>
        <source>%1 (dibujo)</source>
        <translation>%1 (marrazkia)</translation>
    </message>
    <message>
        <source>Estadísticas de la clase</source>
        <translation>Klasearen estatistikak</translation>
    </message>
    <message>
        <source>Página %1 de %2</source>
        <translation>%1. orria / %2</translation>
    </message>
    <message>
        <source>Respuestas de cada alumno</source>
        <translation>Ikasle bakoitzaren erantzunak</translation>
    </message>
    <message>
        <source>Alumno</source>
        <translation>Ikaslea</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Guztira</translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation>Asmatzeak</translation>
    </message>
    <message>
        <source>Errores</source>
        <translation>Hutsak</translation>
    </message>
    <message>
        <source>Gráfico</source>
        <translation>Grafikoa</translation>
    </message>
    <message>
        <source>Respuestas por código: aún no hay ninguna anotada</source>
        <translation>Erantzunak kodeka: oraindik ez dago bat ere idatzita</translation>
    </message>
    <message>
        <source>Respuestas por código desde el %1</source>
        <translation>Erantzunak kodeka, %1 datatik</translation>
    </message>
    <message>
        <source>%1 bien</source>
        <translation>%1 ondo</translation>
    </message>
    <message>
        <source>%1 mal</source>
        <translation>%1 gaizki</translation>
    </message>
    <message>
        <source>La carpeta «%1» no puede guardar las respuestas de la clase: %2. Puedes guardarlas en una carpeta tuya.</source>
        <translation>«%1» karpetak ezin ditu klasearen erantzunak gorde: %2. Zure karpeta batean gorde ditzakezu.</translation>
    </message>
    <message>
        <source>Guardar en una carpeta mía…</source>
        <translation>Gorde nire karpeta batean…</translation>
    </message>
    <message>
        <source>Seguir sin guardar</source>
        <translation>Jarraitu gorde gabe</translation>
    </message>
    <message>
        <source>Guardar las estadísticas en</source>
        <translation>Gorde estatistikak hemen</translation>
    </message>
    <message>
        <source>No se pudo anotar la respuesta en la carpeta de la clase «%1»: %2. Se guarda en este puesto y se anotará en cuanto se pueda; no se te volverá a avisar hasta entonces.</source>
        <translation>Ezin izan da erantzuna klasearen «%1» karpetan idatzi: %2. Postu honetan gordetzen da eta ahal denean idatziko da; ez zaizu berriro abisatuko orduan arte.</translation>
    </message>
    <message>
        <source>No se pudieron anotar las respuestas en la carpeta de la clase «%1»: %2.</source>
        <translation>Ezin izan dira erantzunak klasearen «%1» karpetan idatzi: %2.</translation>
    </message>
    <message>
        <source>Cuentas a cero</source>
        <translation>Kontuak zerora</translation>
    </message>
    <message>
        <source>Alumno borrado</source>
        <translation>Ikaslea ezabatuta</translation>
    </message>
    <message>
        <source>Solución vista</source>
        <translation>Soluzioa ikusita</translation>
    </message>
    <message>
        <source>%1 respuestas, %2 aciertos</source>
        <translation>%1 erantzun, %2 asmatze</translation>
    </message>
    <message>
        <source>El fichero de la contraseña del profesor («%1») está dañado: no se puede comprobar ninguna contraseña. Si el profesor lo borra, puede poner una nueva.</source>
        <translation>Irakaslearen pasahitzaren fitxategia («%1») hondatuta dago: ezin da pasahitzik egiaztatu. Irakasleak ezabatzen badu, berri bat jar dezake.</translation>
    </message>
    <message>
        <source>Solo el profesor puede %1. Escribe la contraseña del profesor:</source>
        <translation>Irakasleak bakarrik egin dezake hau: %1. Idatzi irakaslearen pasahitza:</translation>
    </message>
    <message>
        <source>Esa no es la contraseña del profesor.</source>
        <translation>Hori ez da irakaslearen pasahitza.</translation>
    </message>
    <message>
        <source>Contraseña actual del profesor:</source>
        <translation>Irakaslearen uneko pasahitza:</translation>
    </message>
    <message>
        <source>Nueva contraseña del profesor (al menos %1 caracteres):</source>
        <translation>Irakaslearen pasahitz berria (gutxienez %1 karaktere):</translation>
    </message>
    <message>
        <source>Repite la nueva contraseña:</source>
        <translation>Idatzi berriro pasahitz berria:</translation>
    </message>
    <message>
        <source>Las dos contraseñas no coinciden: no se ha cambiado nada.</source>
        <translation>Bi pasahitzak ez datoz bat: ez da ezer aldatu.</translation>
    </message>
    <message>
        <source>No se pudo guardar la contraseña del profesor: %1.</source>
        <translation>Ezin izan da irakaslearen pasahitza gorde: %1.</translation>
    </message>
    <message>
        <source>Contraseña del profesor guardada. Desde ahora, borrar alumnos y poner cuentas a cero la piden.</source>
        <translation>Irakaslearen pasahitza gordeta. Hemendik aurrera, ikasleak ezabatzeak eta kontuak zerora jartzeak eskatuko dute.</translation>
    </message>
    <message>
        <source>Preguntas</source>
        <translation>Galderak</translation>
    </message>
    <message>
        <source>Nota</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>en curso, quedan %1 min</source>
        <translation>martxan, %1 min geratzen dira</translation>
    </message>
    <message>
        <source>terminado</source>
        <translation>amaituta</translation>
    </message>
    <message>
        <source>Examen «%1» (%2) · preguntas: %3 · códigos: %4 · %5 min</source>
        <translation>«%1» azterketa (%2) · galderak: %3 · kodeak: %4 · %5 min</translation>
    </message>
</context>
<context>
    <name>ejercicio::DialogoExamen</name>
    <message>
        <source>Empezar un examen</source>
        <translation>Hasi azterketa bat</translation>
    </message>
    <message>
        <source>&amp;Nombre:</source>
        <translation>&amp;Izena:</translation>
    </message>
    <message>
        <source>Códigos:</source>
        <translation>Kodeak:</translation>
    </message>
    <message>
        <source>&amp;Preguntas por alumno:</source>
        <translation>&amp;Galderak ikasleko:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>&amp;Tiempo:</source>
        <translation>&amp;Denbora:</translation>
    </message>
    <message>
        <source>&amp;Semilla:</source>
        <translation>&amp;Hazia:</translation>
    </message>
    <message>
        <source>Las mismas preguntas, en el mismo orden, en todos los puestos</source>
        <translation>Galdera berak, ordena berean, postu guztietan</translation>
    </message>
    <message>
        <source>Empezar</source>
        <translation>Hasi</translation>
    </message>
</context>
<context>
    <name>ejercicio::EleccionAlumno</name>
    <message>
        <source>Introduce tu nombre</source>
        <translation>Idatzi zure izena</translation>
    </message>
    <message>
        <source>Ya hay un alumno «%1». ¿Eres tú?
Responde No solo si eres otro alumno con un nombre parecido.</source>
        <translation>Badago «%1» izeneko ikasle bat. Zu zara?
Erantzun Ez bakarrik izen antzeko beste ikasle bat bazara.</translation>
    </message>
</context>
<context>
    <name>ejercicio::ModeloClase</name>
    <message>
        <source>Alumno</source>
        <translation>Ikaslea</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Guztira</translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation>Asmatzeak</translation>
    </message>
    <message>
        <source>Errores</source>
        <translation>Hutsak</translation>
    </message>
    <message>
        <source>Gráfico</source>
        <translation>Grafikoa</translation>
    </message>
    <message>
        <source>%1 bien</source>
        <translation>%1 ondo</translation>
    </message>
    <message>
        <source>%1 mal</source>
        <translation>%1 gaizki</translation>
    </message>
    <message>
        <source>Soluciones vistas</source>
        <translation>Ikusitako soluzioak</translation>
    </message>
    <message>
        <source>Última respuesta</source>
        <translation>Azken erantzuna</translation>
    </message>
    <message>
        <source>bien</source>
        <translation>ondo</translation>
    </message>
    <message>
        <source>mal</source>
        <translation>gaizki</translation>
    </message>
    <message>
        <source>ahora</source>
        <translation>orain</translation>
    </message>
</context>
<context>
    <name>ejercicio::ModeloNotas</name>
    <message>
        <source>Alumno</source>
        <translation>Ikaslea</translation>
    </message>
    <message>
        <source>Respondidas</source>
        <translation>Erantzunak</translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation>Asmatuak</translation>
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
        <translation>Ikaslea</translation>
    </message>
    <message>
        <source>Puesto</source>
        <translation>Postua</translation>
    </message>
    <message>
        <source>Suceso</source>
        <translation>Gertaera</translation>
    </message>
    <message>
        <source>Detalle</source>
        <translation>Xehetasuna</translation>
    </message>
    <message>
        <source>(sin elegir)</source>
        <translation>(aukeratu gabe)</translation>
    </message>
</context>
<context>
    <name>ejercicio::VentanaEjercicios</name>
    <message>
        <source>Trampa, trampa, miraste la solución</source>
        <translation>Tranpa, tranpa, ebazpena begiratu duzu</translation>
    </message>
    <message>
        <source>La respuesta es correcta</source>
        <translation>Erantzuna zuzena da</translation>
    </message>
    <message>
        <source>La respuesta es incorrecta</source>
        <translation>Erantzuna okerra da</translation>
    </message>
    <message>
        <source>Has de introducir un alumno o elegir uno de la lista</source>
        <translation>Ikasle bat idatzi edo zerrendako bat aukeratu behar duzu</translation>
    </message>
    <message>
        <source>Esta acción borrará tus estadísticas. ¿Deseas continuar?</source>
        <translation>Ekintza honek zure estatistikak ezabatuko ditu. Jarraitu nahi duzu?</translation>
    </message>
    <message>
        <source>poner a cero las cuentas</source>
        <translation>kontuak zerora jarri</translation>
    </message>
    <message>
        <source>El examen ha terminado: esta respuesta ya no cuenta.</source>
        <translation>Azterketa amaitu da: erantzun honek ez du balio.</translation>
    </message>
    <message>
        <source>Esta pregunta del examen era de %1: pulsa «Proponer» para la tuya.</source>
        <translation>Azterketako galdera hau %1 ikaslearena zen: sakatu «Proposatu» zurea izateko.</translation>
    </message>
    <message>
        <source>Elige tu nombre antes de empezar el examen.</source>
        <translation>Aukeratu zure izena azterketa hasi aurretik.</translation>
    </message>
    <message>
        <source>Ya has respondido todas las preguntas del examen.</source>
        <translation>Azterketako galdera guztiak erantzun dituzu dagoeneko.</translation>
    </message>
    <message>
        <source>El examen «%1» ha terminado.</source>
        <translation>«%1» azterketa amaitu da.</translation>
    </message>
    <message>
        <source>Examen «%1»</source>
        <translation>«%1» azterketa</translation>
    </message>
    <message>
        <source>Quedan %1:%2</source>
        <translation>Geratzen dena: %1:%2</translation>
    </message>
    <message>
        <source>Examen terminado</source>
        <translation>Azterketa amaituta</translation>
    </message>
    <message>
        <source>Pregunta %1/%2</source>
        <translation>Galdera %1/%2</translation>
    </message>
    <message>
        <source>Hechas %1/%2</source>
        <translation>Eginda %1/%2</translation>
    </message>
</context>
<context>
    <name>ejercicio::VistaClase</name>
    <message>
        <source>No se pudo guardar %1 en «%2»: %3.</source>
        <translation>Ezin izan da %1 «%2»-(e)n gorde: %3.</translation>
    </message>
    <message>
        <source>Respuestas por código: aún no hay ninguna anotada.</source>
        <translation>Erantzunak kodeka: oraindik ez dago bat ere idatzita.</translation>
    </message>
    <message>
        <source>Respuestas por código desde el %1, la primera anotada en el historial:</source>
        <translation>Erantzunak kodeka, %1 datatik, historialean idatzitako lehena:</translation>
    </message>
    <message>
        <source>Exportar la clase</source>
        <translation>Esportatu klasea</translation>
    </message>
    <message>
        <source>Hoja de cálculo CSV (*.csv)</source>
        <translation>CSV kalkulu-orria (*.csv)</translation>
    </message>
    <message>
        <source>la tabla</source>
        <translation>taula</translation>
    </message>
    <message>
        <source>Informe de la clase</source>
        <translation>Klasearen txostena</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>PDF dokumentua (*.pdf)</translation>
    </message>
    <message>
        <source>el informe</source>
        <translation>txostena</translation>
    </message>
    <message>
        <source>Elige en la tabla el alumno que quieres borrar.</source>
        <translation>Aukeratu taulan ezabatu nahi duzun ikaslea.</translation>
    </message>
    <message>
        <source>¿Borrar a «%1» y sus estadísticas? Sus respuestas quedan en el historial.</source>
        <translation>«%1» eta haren estatistikak ezabatu? Haren erantzunak historialean geratzen dira.</translation>
    </message>
    <message>
        <source>No se pudo borrar a «%1» de «%2»: %3.</source>
        <translation>Ezin izan da «%1» «%2»-(e)tik ezabatu: %3.</translation>
    </message>
    <message>
        <source>borrar a un alumno</source>
        <translation>ikasle bat ezabatu</translation>
    </message>
    <message>
        <source>Aún no ha habido ningún examen.</source>
        <translation>Oraindik ez da azterketarik egon.</translation>
    </message>
    <message>
        <source>empezar un examen</source>
        <translation>azterketa bat hastea</translation>
    </message>
    <message>
        <source>No se pudo empezar el examen en «%1»: %2.</source>
        <translation>Ezin izan da azterketa hasi «%1» karpetan: %2.</translation>
    </message>
    <message>
        <source>¿Terminar el examen «%1» en todos los puestos? Las preguntas sin responder cuentan como falladas.</source>
        <translation>«%1» azterketa amaitu nahi duzu postu guztietan? Erantzun gabeko galderak okertzat hartzen dira.</translation>
    </message>
    <message>
        <source>terminar el examen</source>
        <translation>azterketa amaitzea</translation>
    </message>
    <message>
        <source>No se pudo terminar el examen en «%1»: %2.</source>
        <translation>Ezin izan da azterketa amaitu «%1» karpetan: %2.</translation>
    </message>
    <message>
        <source>Notas del examen</source>
        <translation>Azterketaren notak</translation>
    </message>
    <message>
        <source>las notas</source>
        <translation>notak</translation>
    </message>
</context>
<context>
    <name>entrenador</name>
    <message>
        <source>Entrenador de códigos</source>
        <translation>Kode-entrenatzailea</translation>
    </message>
    <message>
        <source>Alumno:</source>
        <translation>Ikaslea:</translation>
    </message>
    <message>
        <source>Alumno</source>
        <translation>Ikaslea</translation>
    </message>
    <message>
        <source>Elige tu nombre de la lista o escribe uno nuevo y pulsa Intro</source>
        <translation>Aukeratu zure izena zerrendan edo idatzi berri bat eta sakatu Sartu</translation>
    </message>
    <message>
        <source>Leer la señal|Dibujar la señal</source>
        <translation>Seinalea irakurri|Seinalea marraztu</translation>
    </message>
    <message>
        <source>Modo</source>
        <translation>Modua</translation>
    </message>
    <message>
        <source>Leer los bits de una señal dibujada, o dibujar la señal de unos bits</source>
        <translation>Marraztutako seinale baten bitak irakurri, edo bit batzuen seinalea marraztu</translation>
    </message>
    <message>
        <source>Códigos que se preguntan:</source>
        <translation>Galdetzen diren kodeak:</translation>
    </message>
    <message>
        <source>Códigos</source>
        <translation>Kodeak</translation>
    </message>
    <message>
        <source>Marca los códigos que pueden salir en los ejercicios</source>
        <translation>Markatu ariketetan ager daitezkeen kodeak</translation>
    </message>
    <message>
        <source>8 bits|12 bits|16 bits|24 bits|32 bits</source>
        <translation>8 bit|12 bit|16 bit|24 bit|32 bit</translation>
    </message>
    <message>
        <source>Longitud</source>
        <translation>Luzera</translation>
    </message>
    <message>
        <source>Bits de cada ejercicio</source>
        <translation>Ariketa bakoitzeko bitak</translation>
    </message>
    <message>
        <source>Exportar preguntas para Moodle…</source>
        <translation>Esportatu galderak Moodlerako…</translation>
    </message>
    <message>
        <source>Exportar preguntas para Moodle</source>
        <translation>Esportatu galderak Moodlerako</translation>
    </message>
    <message>
        <source>Escribe un banco de preguntas de los códigos marcados para importarlo en Moodle</source>
        <translation>Markatutako kodeen galdera-bankua idazten du Moodlen inportatzeko</translation>
    </message>
    <message>
        <source>Lo que se pide</source>
        <translation>Eskatzen dena</translation>
    </message>
    <message>
        <source>Qué hay que hacer en este ejercicio</source>
        <translation>Zer egin behar den ariketa honetan</translation>
    </message>
    <message>
        <source>Estado inicial</source>
        <translation>Hasierako egoera</translation>
    </message>
    <message>
        <source>Cómo estaba la línea antes del primer bit</source>
        <translation>Nola zegoen lerroa lehen bitaren aurretik</translation>
    </message>
    <message>
        <source>Dibujo</source>
        <translation>Marrazkia</translation>
    </message>
    <message>
        <source>La señal que se lee, o donde se dibuja: las flechas mueven el cursor y cambian el nivel, y un clic cambia el nivel de medio bit</source>
        <translation>Irakurtzen den seinalea, edo non marrazten den: geziek kurtsorea mugitzen dute eta maila aldatzen dute, eta klik batek bit-erdi baten maila aldatzen du</translation>
    </message>
    <message>
        <source>Respuesta:</source>
        <translation>Erantzuna:</translation>
    </message>
    <message>
        <source>Respuesta</source>
        <translation>Erantzuna</translation>
    </message>
    <message>
        <source>Los bits leídos, o sus cifras hexadecimales; los espacios no cuentan</source>
        <translation>Irakurritako bitak, edo haien zifra hamaseitarrak; zuriuneak ez dira kontatzen</translation>
    </message>
    <message>
        <source>Nuevo ejercicio</source>
        <translation>Ariketa berria</translation>
    </message>
    <message>
        <source>Comprobar</source>
        <translation>Egiaztatu</translation>
    </message>
    <message>
        <source>Corrige la respuesta y la cuenta para el alumno</source>
        <translation>Erantzuna zuzentzen du eta ikaslearentzat zenbatzen du</translation>
    </message>
    <message>
        <source>Solución</source>
        <translation>Ebazpena</translation>
    </message>
    <message>
        <source>Muestra la solución; la respuesta ya no cuenta</source>
        <translation>Ebazpena erakusten du; erantzunak ez du gehiago balio</translation>
    </message>
    <message>
        <source>Veredicto</source>
        <translation>Epaia</translation>
    </message>
    <message>
        <source>Si la respuesta es correcta y, si no, dónde y por qué</source>
        <translation>Erantzuna zuzena den eta, bestela, non eta zergatik</translation>
    </message>
</context>
<context>
    <name>entrenador::DibujoEntrenador</name>
    <message>
        <source>Bits</source>
        <translation>Bitak</translation>
    </message>
    <message>
        <source>Reloj</source>
        <translation>Erlojua</translation>
    </message>
    <message>
        <source>Señal %1 de %2 bits</source>
        <translation>%1 seinalea, %2 bitekoa</translation>
    </message>
    <message>
        <source>sin dibujar</source>
        <translation>marraztu gabe</translation>
    </message>
    <message>
        <source>. Bit %1, primera mitad: %2</source>
        <translation>. %1. bita, lehen erdia: %2</translation>
    </message>
    <message>
        <source>. Bit %1, segunda mitad: %2</source>
        <translation>. %1. bita, bigarren erdia: %2</translation>
    </message>
</context>
<context>
    <name>entrenador::Entrenamiento</name>
    <message>
        <source>Escribe los %1 bits, o sus %2 cifras hexadecimales.</source>
        <translation>Idatzi %1 bitak, edo haien %2 zifra hamaseitarrak.</translation>
    </message>
    <message>
        <source>Trampa, trampa, miraste la solución</source>
        <translation>Tranpa, tranpa, ebazpena begiratu duzu</translation>
    </message>
    <message>
        <source>Correcto.</source>
        <translation>Zuzena.</translation>
    </message>
    <message>
        <source>Incorrecto: %1 de %2 bits mal leídos.</source>
        <translation>Okerra: %2 bitetatik %1 gaizki irakurrita.</translation>
    </message>
    <message>
        <source>Incorrecto en el bit %1, primera mitad: %2. Medios bits mal: %3.</source>
        <translation>Okerra %1. bitean, lehen erdian: %2. Gaizki dauden bit-erdiak: %3.</translation>
    </message>
    <message>
        <source>Incorrecto en el bit %1, segunda mitad: %2. Medios bits mal: %3.</source>
        <translation>Okerra %1. bitean, bigarren erdian: %2. Gaizki dauden bit-erdiak: %3.</translation>
    </message>
</context>
<context>
    <name>entrenador::VentanaEntrenador</name>
    <message>
        <source>Lee la señal %1 de %2 bits y escribe sus bits o su valor hexadecimal.</source>
        <translation>Irakurri %2 biteko %1 seinalea eta idatzi haren bitak edo balio hamaseitarra.</translation>
    </message>
    <message>
        <source>Dibuja la señal %1 de %2.</source>
        <translation>Marraztu %2 biten %1 seinalea.</translation>
    </message>
    <message>
        <source>La señal no depende de cómo estaba la línea antes.</source>
        <translation>Seinalea ez dago lerroa lehen nola zegoen menpe.</translation>
    </message>
    <message>
        <source>Antes del primer bit: %1.</source>
        <translation>Lehen bitaren aurretik: %1.</translation>
    </message>
    <message>
        <source>Solución: %1 (%2 en hexadecimal).</source>
        <translation>Ebazpena: %1 (%2 hamaseitarrean).</translation>
    </message>
    <message>
        <source>Solución: la línea gris.</source>
        <translation>Ebazpena: lerro grisa.</translation>
    </message>
    <message>
        <source>Has de introducir un alumno o elegir uno de la lista</source>
        <translation>Ikasle bat idatzi edo zerrendako bat aukeratu behar duzu</translation>
    </message>
    <message>
        <source>Exportar preguntas para Moodle</source>
        <translation>Esportatu galderak Moodlerako</translation>
    </message>
    <message>
        <source>Moodle XML (*.xml)</source>
        <translation>Moodle XML (*.xml)</translation>
    </message>
    <message>
        <source>No se pudieron exportar las preguntas a «%1»: %2.</source>
        <translation>Ezin izan dira galderak «%1»-(e)ra esportatu: %2.</translation>
    </message>
</context>
<context>
    <name>formatos</name>
    <message>
        <source>no es un fichero normal</source>
        <translation>ez da fitxategi arrunta</translation>
    </message>
    <message>
        <source>el fichero es demasiado grande (más de %1 bytes)</source>
        <translation>fitxategia handiegia da (%1 byte baino gehiago)</translation>
    </message>
    <message>
        <source>no se pudo preparar el contenido</source>
        <translation>ezin izan da edukia prestatu</translation>
    </message>
    <message>
        <source>no queda espacio en el disco</source>
        <translation>ez dago lekurik diskoan</translation>
    </message>
    <message>
        <source>se ha agotado la cuota de disco</source>
        <translation>disko-kuota agortu da</translation>
    </message>
    <message>
        <source>permiso denegado</source>
        <translation>baimena ukatuta</translation>
    </message>
    <message>
        <source>el disco es de solo lectura</source>
        <translation>diskoa irakurtzeko soilik da</translation>
    </message>
    <message>
        <source>una parte de la ruta no es una carpeta</source>
        <translation>bidearen zati bat ez da karpeta bat</translation>
    </message>
    <message>
        <source>es una carpeta, no un fichero</source>
        <translation>karpeta bat da, ez fitxategi bat</translation>
    </message>
    <message>
        <source>el fichero sería demasiado grande</source>
        <translation>fitxategia handiegia izango litzateke</translation>
    </message>
    <message>
        <source>el nombre es demasiado largo</source>
        <translation>izena luzeegia da</translation>
    </message>
    <message>
        <source>error de lectura o escritura en el disco</source>
        <translation>irakurketa- edo idazketa-errorea diskoan</translation>
    </message>
    <message>
        <source>es un enlace simbólico, y por seguridad no se sigue</source>
        <translation>esteka sinbolikoa da, eta segurtasunagatik ez da jarraitzen</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <translation>%1 eta %2</translation>
    </message>
    <message>
        <source>más de %L1 caracteres</source>
        <translation>%L1 karaktere baino gehiago</translation>
    </message>
    <message>
        <source>[La ayuda se muestra hasta aquí: el documento pasa de lo que esta ventana puede mostrar (%1).]</source>
        <translation>[Laguntza hemen arte erakusten da: dokumentuak leiho honek erakuts dezakeena gainditzen du (%1).]</translation>
    </message>
    <message>
        <source>más de %L1 párrafos</source>
        <translation>%L1 paragrafo baino gehiago</translation>
    </message>
    <message>
        <source>una tabla de más de %L1 celdas</source>
        <translation>%L1 gelaxka baino gehiagoko taula bat</translation>
    </message>
    <message>
        <source>más de %L1 celdas de tabla</source>
        <translation>%L1 taula-gelaxka baino gehiago</translation>
    </message>
    <message>
        <source>imágenes de más de %L1 megapíxeles en total</source>
        <translation>guztira %L1 megapixel baino gehiagoko irudiak</translation>
    </message>
    <message>
        <source>el fichero o su carpeta ya no está (otro puesto o el servidor lo ha quitado)</source>
        <translation>fitxategia edo bere karpeta ez dago jada (beste postu batek edo zerbitzariak kendu du)</translation>
    </message>
    <message>
        <source>el fichero está abierto en otro puesto y ahora no se puede cambiar</source>
        <translation>fitxategia beste postu batean dago irekita eta orain ezin da aldatu</translation>
    </message>
    <message>
        <source>la carpeta compartida no admite esta operación</source>
        <translation>karpeta partekatuak ez du eragiketa hau onartzen</translation>
    </message>
    <message>
        <source>el servidor ha cambiado el fichero mientras se usaba</source>
        <translation>zerbitzariak fitxategia aldatu du erabiltzen ari zen bitartean</translation>
    </message>
    <message>
        <source>se ha perdido la conexión con el servidor de la carpeta</source>
        <translation>karpetaren zerbitzariarekiko konexioa galdu da</translation>
    </message>
    <message>
        <source>ya hay un fichero con ese nombre</source>
        <translation>badago izen hori duen fitxategi bat</translation>
    </message>
    <message>
        <source>error inesperado del sistema (%1, número %2)</source>
        <translation>sistemaren ustekabeko errorea (%1, %2 zenbakia)</translation>
    </message>
</context>
<context>
    <name>formularios</name>
    <message>
        <source>Sí</source>
        <translation>Bai</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ez</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Ados</translation>
    </message>
</context>
<context>
    <name>inicio</name>
    <message>
        <source>Durante el examen «%1» el laboratorio y el entrenador están cerrados.</source>
        <translation>«%1» azterketak irauten duen bitartean laborategia eta entrenatzailea itxita daude.</translation>
    </message>
</context>
<context>
    <name>lab</name>
    <message>
        <source>Laboratorio de códigos</source>
        <translation>Kode-laborategia</translation>
    </message>
    <message>
        <source>Entrada:</source>
        <translation>Sarrera:</translation>
    </message>
    <message>
        <source>Bits|Hexadecimal|Texto</source>
        <translation>Bitak|Hamaseitarra|Testua</translation>
    </message>
    <message>
        <source>Forma de la entrada</source>
        <translation>Sarreraren forma</translation>
    </message>
    <message>
        <source>Si la entrada se escribe en bits, en cifras hexadecimales o como texto</source>
        <translation>Sarrera bitetan, zifra hamaseitarretan edo testu gisa idazten den</translation>
    </message>
    <message>
        <source>Entrada</source>
        <translation>Sarrera</translation>
    </message>
    <message>
        <source>De 1 a 4096 bits que se codifican; los espacios se ignoran</source>
        <translation>Kodetzen diren 1etik 4096ra bit; zuriuneak ez dira kontuan hartzen</translation>
    </message>
    <message>
        <source>Pista</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Cuántos bits hay, o por qué se rechazó un carácter</source>
        <translation>Zenbat bit dauden, edo zergatik baztertu den karaktere bat</translation>
    </message>
    <message>
        <source>Códigos:</source>
        <translation>Kodeak:</translation>
    </message>
    <message>
        <source>Códigos</source>
        <translation>Kodeak</translation>
    </message>
    <message>
        <source>Marca los códigos que se dibujan; el elegido es el de la tabla de pasos</source>
        <translation>Markatu marrazten diren kodeak; aukeratutakoa urratsen taulakoa da</translation>
    </message>
    <message>
        <source>Estado inicial</source>
        <translation>Hasierako egoera</translation>
    </message>
    <message>
        <source>Último pulso negativo|Último pulso positivo</source>
        <translation>Azken pultsua negatiboa|Azken pultsua positiboa</translation>
    </message>
    <message>
        <source>Último pulso</source>
        <translation>Azken pultsua</translation>
    </message>
    <message>
        <source>Signo del último pulso antes del primer bit (AMI, pseudoternario, HDB3, B8ZS, CMI)</source>
        <translation>Lehen bitaren aurreko azken pultsuaren zeinua (AMI, pseudoternarioa, HDB3, B8ZS, CMI)</translation>
    </message>
    <message>
        <source>Nivel inicial bajo|Nivel inicial cero (MLT-3)|Nivel inicial alto</source>
        <translation>Hasierako maila baxua|Hasierako maila zero (MLT-3)|Hasierako maila altua</translation>
    </message>
    <message>
        <source>Nivel inicial</source>
        <translation>Hasierako maila</translation>
    </message>
    <message>
        <source>Nivel de la línea antes del primer bit (NRZI, Manchester diferencial, MLT-3)</source>
        <translation>Lerroaren maila lehen bitaren aurretik (NRZI, Manchester diferentziala, MLT-3)</translation>
    </message>
    <message>
        <source>Paridad HDB3 par|Paridad HDB3 impar</source>
        <translation>HDB3 paritate bikoitia|HDB3 paritate bakoitia</translation>
    </message>
    <message>
        <source>Paridad HDB3</source>
        <translation>HDB3 paritatea</translation>
    </message>
    <message>
        <source>Paridad de las marcas desde la última violación, para HDB3</source>
        <translation>Azken urraketatik markek duten paritatea, HDB3rako</translation>
    </message>
    <message>
        <source>Señales de línea</source>
        <translation>Lerro-seinaleak</translation>
    </message>
    <message>
        <source>El reloj y cada código elegido; pulsa medio bit para meter un error de línea</source>
        <translation>Erlojua eta aukeratutako kode bakoitza; sakatu bit-erdi bat lerro-errore bat sartzeko</translation>
    </message>
    <message>
        <source>Decodificado:</source>
        <translation>Deskodetua:</translation>
    </message>
    <message>
        <source>Decodificado</source>
        <translation>Deskodetua</translation>
    </message>
    <message>
        <source>Los bits que el receptor lee en la línea del código elegido</source>
        <translation>Hartzaileak aukeratutako kodearen lerroan irakurtzen dituen bitak</translation>
    </message>
    <message>
        <source>Decodificado como la entrada</source>
        <translation>Sarrera bezala deskodetua</translation>
    </message>
    <message>
        <source>Lo que el receptor lee, en hexadecimal o como texto si así se escribió la entrada</source>
        <translation>Hartzaileak irakurtzen duena, hamaseitarrean edo testu gisa sarrera horrela idatzi bazen</translation>
    </message>
    <message>
        <source>Errores</source>
        <translation>Hutsak</translation>
    </message>
    <message>
        <source>Los bits que un error de línea ha cambiado y cada violación que lo delata</source>
        <translation>Lerro-errore batek aldatu dituen bitak eta hura salatzen duen urraketa bakoitza</translation>
    </message>
    <message>
        <source>Convenio</source>
        <translation>Hitzarmena</translation>
    </message>
    <message>
        <source>Cómo codifica el código elegido</source>
        <translation>Aukeratutako kodeak nola kodetzen duen</translation>
    </message>
    <message>
        <source>Pasos</source>
        <translation>Urratsak</translation>
    </message>
    <message>
        <source>Cada bit del código elegido: símbolo, nivel en cada mitad y motivo</source>
        <translation>Aukeratutako kodearen bit bakoitza: ikurra, maila erdi bakoitzean eta arrazoia</translation>
    </message>
    <message>
        <source>Escala lineal|Escala en dB</source>
        <translation>Eskala lineala|Eskala dB-tan</translation>
    </message>
    <message>
        <source>Escala del espectro</source>
        <translation>Espektroaren eskala</translation>
    </message>
    <message>
        <source>Lineal, ajustada a la curva más alta, o en decibelios</source>
        <translation>Lineala, kurba altuenera egokitua, edo dezibeletan</translation>
    </message>
    <message>
        <source>Espectro</source>
        <translation>Espektroa</translation>
    </message>
    <message>
        <source>Densidad espectral de potencia de los códigos elegidos, de 0 a dos veces la velocidad binaria</source>
        <translation>Aukeratutako kodeen potentziaren dentsitate espektrala, 0tik abiadura bitarraren bikoitzera</translation>
    </message>
    <message>
        <source>Línea</source>
        <translation>Lerroa</translation>
    </message>
    <message>
        <source>Cable:</source>
        <translation>Kablea:</translation>
    </message>
    <message>
        <source>Pérdida del cable</source>
        <translation>Kablearen galera</translation>
    </message>
    <message>
        <source>Pérdida del cable a la mitad de la velocidad binaria, de 0 a 40 dB; crece con la raíz de la frecuencia</source>
        <translation>Kablearen galera abiadura bitarraren erdian, 0tik 40 dB-ra; maiztasunaren erroarekin hazten da</translation>
    </message>
    <message>
        <source>0 dB</source>
        <translation>0 dB</translation>
    </message>
    <message>
        <source>Transformador:</source>
        <translation>Transformadorea:</translation>
    </message>
    <message>
        <source>Sin transformador|Corte al 0,1 % de la velocidad binaria|Corte al 1 % de la velocidad binaria|Corte al 5 % de la velocidad binaria</source>
        <translation>Transformadorerik gabe|Ebakia abiadura bitarraren % 0,1ean|Ebakia abiadura bitarraren % 1ean|Ebakia abiadura bitarraren % 5ean</translation>
    </message>
    <message>
        <source>Transformador</source>
        <translation>Transformadorea</translation>
    </message>
    <message>
        <source>Acoplamiento por transformador: un paso alto de primer orden, o ninguno</source>
        <translation>Transformadore bidezko akoplamendua: lehen ordenako goi-pasako iragazkia, edo bat ere ez</translation>
    </message>
    <message>
        <source>Ruido:</source>
        <translation>Zarata:</translation>
    </message>
    <message>
        <source>Sin ruido|Eb/N0 = 20 dB|Eb/N0 = 15 dB|Eb/N0 = 12 dB|Eb/N0 = 10 dB|Eb/N0 = 8 dB|Eb/N0 = 6 dB|Eb/N0 = 4 dB|Eb/N0 = 2 dB|Eb/N0 = 0 dB</source>
        <translation>Zaratarik gabe|Eb/N0 = 20 dB|Eb/N0 = 15 dB|Eb/N0 = 12 dB|Eb/N0 = 10 dB|Eb/N0 = 8 dB|Eb/N0 = 6 dB|Eb/N0 = 4 dB|Eb/N0 = 2 dB|Eb/N0 = 0 dB</translation>
    </message>
    <message>
        <source>Ruido</source>
        <translation>Zarata</translation>
    </message>
    <message>
        <source>Ruido blanco gaussiano, como energía por bit frente a densidad de ruido, o ninguno</source>
        <translation>Zarata zuri gaussiarra, bit bakoitzeko energia zarata-dentsitatearen aldean, edo bat ere ez</translation>
    </message>
    <message>
        <source>Dibujar lo que llega al receptor y lo que decide</source>
        <translation>Marraztu hartzailera iristen dena eta erabakitzen duena</translation>
    </message>
    <message>
        <source>Señal recibida</source>
        <translation>Jasotako seinalea</translation>
    </message>
    <message>
        <source>Bajo cada código, la señal que llega tras la ganancia del receptor, sus umbrales y los bits que decide</source>
        <translation>Kode bakoitzaren azpian, hartzailearen irabaziaren ondoren iristen den seinalea, haren atalaseak eta erabakitzen dituen bitak</translation>
    </message>
    <message>
        <source>Recuperar el reloj del código elegido</source>
        <translation>Berreskuratu aukeratutako kodearen erlojua</translation>
    </message>
    <message>
        <source>Reloj recuperado</source>
        <translation>Erloju berreskuratua</translation>
    </message>
    <message>
        <source>Bajo el reloj, el que recupera el receptor del código elegido, con sus deslizamientos</source>
        <translation>Erlojuaren azpian, hartzaileak aukeratutako kodetik berreskuratzen duena, bere irristatzeekin</translation>
    </message>
    <message>
        <source>Deslizamientos del reloj: 0</source>
        <translation>Erlojuaren irristatzeak: 0</translation>
    </message>
    <message>
        <source>Deslizamientos del reloj</source>
        <translation>Erlojuaren irristatzeak</translation>
    </message>
    <message>
        <source>Cuántas veces el reloj recuperado se desvía más de un cuarto de bit</source>
        <translation>Zenbat aldiz desbideratzen den erloju berreskuratua bit-laurden bat baino gehiago</translation>
    </message>
    <message>
        <source>Diagrama de ojo</source>
        <translation>Begi-diagrama</translation>
    </message>
    <message>
        <source>Lo que llega de cada bit del código elegido, superpuesto de dos en dos bits</source>
        <translation>Aukeratutako kodearen bit bakoitzetik iristen dena, bi bitez bi bit gainjarrita</translation>
    </message>
    <message>
        <source>Medidas del ojo</source>
        <translation>Begiaren neurriak</translation>
    </message>
    <message>
        <source>Altura y anchura del ojo del código elegido</source>
        <translation>Aukeratutako kodearen begiaren altuera eta zabalera</translation>
    </message>
    <message>
        <source>Tasa de errores</source>
        <translation>Errore-tasa</translation>
    </message>
    <message>
        <source>Tasa de errores de bit de los códigos elegidos frente a Eb/N0: medida en puntos, teórica en curvas</source>
        <translation>Aukeratutako kodeen bit-errore tasa Eb/N0-ren aldean: neurtua puntuetan, teorikoa kurbetan</translation>
    </message>
    <message>
        <source>Medir la tasa de errores</source>
        <translation>Neurtu errore-tasa</translation>
    </message>
    <message>
        <source>Mide la tasa de errores de los códigos elegidos por esta línea, de 0 a 12 dB de Eb/N0</source>
        <translation>Lerro honetatik aukeratutako kodeen errore-tasa neurtzen du, Eb/N0-ren 0tik 12 dB-ra</translation>
    </message>
    <message>
        <source>Progreso de la medida</source>
        <translation>Neurketaren aurrerapena</translation>
    </message>
    <message>
        <source>Cuántos puntos de la tasa de errores se han medido</source>
        <translation>Errore-tasaren zenbat puntu neurtu diren</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Utzi</translation>
    </message>
    <message>
        <source>Cancelar la medida</source>
        <translation>Utzi neurketa</translation>
    </message>
    <message>
        <source>Para la medida; los puntos ya medidos se quedan</source>
        <translation>Neurketa gelditzen du; neurtutako puntuak geratu egiten dira</translation>
    </message>
</context>
<context>
    <name>laboratorio::DibujoCodigos</name>
    <message>
        <source>Reloj</source>
        <translation>Erlojua</translation>
    </message>
    <message>
        <source>Recuperado</source>
        <translation>Berreskuratua</translation>
    </message>
    <message>
        <source>recibida</source>
        <translation>jasoa</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>Bitak</translation>
    </message>
</context>
<context>
    <name>laboratorio::GraficoBer</name>
    <message>
        <source>Tasa de errores: %1 bits por punto; la curva, la teoría.</source>
        <translation>Errore-tasa: %1 bit puntu bakoitzeko; kurba, teoria.</translation>
    </message>
</context>
<context>
    <name>laboratorio::GraficoEspectro</name>
    <message>
        <source>densidad espectral (potencia media 1)</source>
        <translation>dentsitate espektrala (potentzia 1)</translation>
    </message>
    <message>
        <source>dB (potencia media 1)</source>
        <translation>dB (batez besteko potentzia 1)</translation>
    </message>
    <message>
        <source>Estimada con %1 bits al azar; a trazos, la fórmula teórica.</source>
        <translation>Ausazko %1 bitekin estimatua; marra etenez, formula teorikoa.</translation>
    </message>
    <message>
        <source> (solo estimada)</source>
        <translation> (estimatua soilik)</translation>
    </message>
</context>
<context>
    <name>laboratorio::GraficoOjo</name>
    <message>
        <source>Ojo de %1: %2 bits al azar, dos bits por trazo</source>
        <translation>%1-(r)en begia: ausazko %2 bit, bi bit trazu bakoitzeko</translation>
    </message>
</context>
<context>
    <name>laboratorio::ModeloPasos</name>
    <message>
        <source>Bit</source>
        <translation>Bita</translation>
    </message>
    <message>
        <source>Símbolo</source>
        <translation>Ikurra</translation>
    </message>
    <message>
        <source>Nivel 1</source>
        <translation>1. maila</translation>
    </message>
    <message>
        <source>Nivel 2</source>
        <translation>2. maila</translation>
    </message>
    <message>
        <source>Motivo</source>
        <translation>Arrazoia</translation>
    </message>
</context>
<context>
    <name>laboratorio::PanelLinea</name>
    <message>
        <source>Sin el ruido, el ojo está cerrado: el receptor se equivoca.</source>
        <translation>Zaratarik gabe, begia itxita dago: hartzaileak huts egiten du.</translation>
    </message>
    <message>
        <source>El ojo está cerrado: el receptor se equivoca.</source>
        <translation>Begia itxita dago: hartzaileak huts egiten du.</translation>
    </message>
    <message>
        <source>Sin el ruido, altura del ojo: %1 · anchura: %2 del bit</source>
        <translation>Zaratarik gabe, begiaren altuera: %1 · zabalera: bitaren %2</translation>
    </message>
    <message>
        <source>Altura del ojo: %1 · anchura: %2 del bit</source>
        <translation>Begiaren altuera: %1 · zabalera: bitaren %2</translation>
    </message>
    <message>
        <source>Deslizamientos del reloj: %1</source>
        <translation>Erlojuaren irristatzeak: %1</translation>
    </message>
</context>
<context>
    <name>laboratorio::VentanaLaboratorio</name>
    <message>
        <source>error de línea en la primera mitad</source>
        <translation>lerro-errorea lehen erdian</translation>
    </message>
    <message>
        <source>error de línea en la segunda mitad</source>
        <translation>lerro-errorea bigarren erdian</translation>
    </message>
    <message>
        <source>el receptor decide mal la primera mitad</source>
        <translation>hartzaileak gaizki erabakitzen du lehen erdia</translation>
    </message>
    <message>
        <source>el receptor decide mal la segunda mitad</source>
        <translation>hartzaileak gaizki erabakitzen du bigarren erdia</translation>
    </message>
    <message>
        <source>Escribe de 1 a %1 bits.</source>
        <translation>Idatzi 1etik %1era bit.</translation>
    </message>
    <message>
        <source>%1 bits.</source>
        <translation>%1 bit.</translation>
    </message>
    <message>
        <source>Para verlos en hexadecimal, los bits han de ser un múltiplo de 4.</source>
        <translation>Hamaseitarrean ikusteko, bitek 4ren multiploa izan behar dute.</translation>
    </message>
    <message>
        <source>Para verlos como texto, los bits han de ser bytes enteros de caracteres visibles.</source>
        <translation>Testu gisa ikusteko, bitek karaktere ikusgaien byte osoak izan behar dute.</translation>
    </message>
    <message>
        <source>La línea hace que el receptor decida mal %1 medios bits. </source>
        <translation>Lerroak hartzaileak %1 bit-erdi gaizki erabakitzea eragiten du. </translation>
    </message>
    <message>
        <source>Bits erróneos: %1.</source>
        <translation>Bit okerrak: %1.</translation>
    </message>
    <message>
        <source>No cambia ningún bit.</source>
        <translation>Ez da bitik aldatzen.</translation>
    </message>
    <message>
        <source>El error no cambia ningún bit.</source>
        <translation>Erroreak ez du bitik aldatzen.</translation>
    </message>
    <message>
        <source> Detectado: %1.</source>
        <translation> Detektatua: %1.</translation>
    </message>
    <message>
        <source> El receptor no ve ninguna violación.</source>
        <translation> Hartzaileak ez du urraketarik ikusten.</translation>
    </message>
    <message>
        <source> Este código no detecta errores de línea.</source>
        <translation> Kode honek ez ditu lerro-erroreak detektatzen.</translation>
    </message>
</context>
<context>
    <name>linea</name>
    <message>
        <source>uso: tramavox --ber --codigo CÓDIGO --ebn0 0,2,4 [--bits 200000] [--semilla S] [--perdida DB] [--acoplamiento F]</source>
        <translation>erabilera: tramavox --ber --codigo KODEA --ebn0 0,2,4 [--bits 200000] [--semilla S] [--perdida DB] [--acoplamiento F]</translation>
    </message>
    <message>
        <source>a «%1» le falta su valor</source>
        <translation>«%1»-(e)k ez du baliorik</translation>
    </message>
    <message>
        <source>«%1» no es un código</source>
        <translation>«%1» ez da kode bat</translation>
    </message>
    <message>
        <source>«%1» no es un Eb/N0 en dB</source>
        <translation>«%1» ez da Eb/N0 bat dB-tan</translation>
    </message>
    <message>
        <source>los bits han de ser de 1 a %1</source>
        <translation>bitak 1etik %1era izan behar dira</translation>
    </message>
    <message>
        <source>la semilla ha de ser un número entero positivo</source>
        <translation>hazia zenbaki oso positibo bat izan behar da</translation>
    </message>
    <message>
        <source>la pérdida del cable ha de ser de 0 a %1 dB</source>
        <translation>kablearen galera 0tik %1 dB-ra izan behar da</translation>
    </message>
    <message>
        <source>el corte del acoplamiento ha de ser una fracción de la velocidad binaria de 0 a %1</source>
        <translation>akoplamenduaren ebakia abiadura bitarraren zatiki bat izan behar da, 0tik %1era</translation>
    </message>
    <message>
        <source>no se conoce la opción «%1»</source>
        <translation>«%1» aukera ez da ezagutzen</translation>
    </message>
    <message>
        <source>falta el código (--codigo)</source>
        <translation>kodea falta da (--codigo)</translation>
    </message>
    <message>
        <source>faltan los valores de Eb/N0 (--ebn0)</source>
        <translation>Eb/N0-ren balioak falta dira (--ebn0)</translation>
    </message>
</context>
<context>
    <name>preguntas</name>
    <message>
        <source>&lt;p&gt;Antes del primer bit: %1.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Lehen bitaren aurretik: %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1: leer %2 bits (%3)</source>
        <translation>%1: irakurri %2 bit (%3)</translation>
    </message>
    <message>
        <source>&lt;p&gt;Este dibujo es la señal %1 de %2 bits, con el reloj encima.&lt;/p&gt;%3&lt;p&gt;&lt;img src=&quot;@@PLUGINFILE@@/%4&quot; alt=&quot;Señal %1 de %2 bits&quot;&gt;&lt;/p&gt;&lt;p&gt;Escribe los bits, o su valor en hexadecimal.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Marrazki hau %2 biteko %1 seinalea da, erlojua gainean duela.&lt;/p&gt;%3&lt;p&gt;&lt;img src=&quot;@@PLUGINFILE@@/%4&quot; alt=&quot;%2 biteko %1 seinalea&quot;&gt;&lt;/p&gt;&lt;p&gt;Idatzi bitak, edo haien balioa hamaseitarrean.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Los bits son %1 (%2 en hexadecimal).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Bitak %1 dira (%2 hamaseitarrean).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1: elegir la señal de %2 bits (%3)</source>
        <translation>%1: aukeratu %2 biteko seinalea (%3)</translation>
    </message>
    <message>
        <source>&lt;p&gt;¿Cuál es la señal %1 de %2?&lt;/p&gt;%3</source>
        <translation>&lt;p&gt;Zein da %2 biten %1 seinalea?&lt;/p&gt;%3</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;img src=&quot;@@PLUGINFILE@@/%1&quot; alt=&quot;Una señal de %2 bits&quot;&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;img src=&quot;@@PLUGINFILE@@/%1&quot; alt=&quot;%2 biteko seinale bat&quot;&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Correcto.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Zuzena.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>uso: tramavox --moodle FICHERO [--preguntas N] [--codigos HDB3,AMI,…] [--bits 16] [--semilla S]</source>
        <translation>erabilera: tramavox --moodle FITXATEGIA [--preguntas N] [--codigos HDB3,AMI,…] [--bits 16] [--semilla S]</translation>
    </message>
    <message>
        <source>«%1» no es un código; los códigos son %2</source>
        <translation>«%1» ez da kode bat; kodeak hauek dira: %2</translation>
    </message>
    <message>
        <source>falta el fichero de preguntas que se ha de escribir</source>
        <translation>idatzi behar den galdera-fitxategia falta da</translation>
    </message>
    <message>
        <source>a «%1» le falta su valor</source>
        <translation>«%1»-(e)k ez du baliorik</translation>
    </message>
    <message>
        <source>el número de preguntas ha de ser de 1 a %1</source>
        <translation>galdera kopurua 1etik %1era izan behar da</translation>
    </message>
    <message>
        <source>los bits han de ser un múltiplo de 4 de %1 a %2 (cada cifra hexadecimal son 4)</source>
        <translation>bitak 4ren multiploa izan behar dira, %1etik %2ra (zifra hamaseitar bakoitza 4 dira)</translation>
    </message>
    <message>
        <source>la semilla ha de ser un número entero positivo</source>
        <translation>hazia zenbaki oso positibo bat izan behar da</translation>
    </message>
    <message>
        <source>no se conoce la opción «%1»</source>
        <translation>«%1» aukera ez da ezagutzen</translation>
    </message>
    <message>
        <source>tramavox: no se pudo escribir «%1»: %2.</source>
        <translation>tramavox: ezin izan da «%1» idatzi: %2.</translation>
    </message>
</context>
<context>
    <name>principal</name>
    <message>
        <source>reloj</source>
        <translation>erlojua</translation>
    </message>
    <message>
        <source>Forma de onda de 16 bits: %1</source>
        <translation>16 biteko uhin-forma: %1</translation>
    </message>
    <message>
        <source>ninguna señal a la vista</source>
        <translation>seinalerik ez ageri</translation>
    </message>
    <message>
        <source>Sistemas de Telefonía (Tramavox)</source>
        <translation>Telefonia Sistemak (Tramavox)</translation>
    </message>
    <message>
        <source>Dibujo de las señales</source>
        <translation>Seinaleen marrazkia</translation>
    </message>
    <message>
        <source>El reloj y las formas de onda NRZ, RZ, AMI y HDB3 del número; cada casilla de la rejilla es un bit</source>
        <translation>Zenbakiaren erlojua eta NRZ, RZ, AMI eta HDB3 uhin-formak; sareko lauki bakoitza bit bat da</translation>
    </message>
    <message>
        <source>Nombres de las señales</source>
        <translation>Seinaleen izenak</translation>
    </message>
    <message>
        <source>Pulsa el nombre de una señal para mostrarla u ocultarla</source>
        <translation>Sakatu seinale baten izena erakusteko edo ezkutatzeko</translation>
    </message>
    <message>
        <source>RZ</source>
        <translation>RZ</translation>
    </message>
    <message>
        <source>Señal RZ</source>
        <translation>RZ seinalea</translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal RZ</source>
        <translation>Sakatu RZ seinalea erakusteko edo ezkutatzeko</translation>
    </message>
    <message>
        <source>NRZ</source>
        <translation>NRZ</translation>
    </message>
    <message>
        <source>Señal NRZ</source>
        <translation>NRZ seinalea</translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal NRZ</source>
        <translation>Sakatu NRZ seinalea erakusteko edo ezkutatzeko</translation>
    </message>
    <message>
        <source>CLK</source>
        <translation>CLK</translation>
    </message>
    <message>
        <source>Señal CLK</source>
        <translation>CLK seinalea</translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal CLK</source>
        <translation>Sakatu CLK seinalea erakusteko edo ezkutatzeko</translation>
    </message>
    <message>
        <source>AMI</source>
        <translation>AMI</translation>
    </message>
    <message>
        <source>Señal AMI</source>
        <translation>AMI seinalea</translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal AMI</source>
        <translation>Sakatu AMI seinalea erakusteko edo ezkutatzeko</translation>
    </message>
    <message>
        <source>HDB3</source>
        <translation>HDB3</translation>
    </message>
    <message>
        <source>Señal HDB3</source>
        <translation>HDB3 seinalea</translation>
    </message>
    <message>
        <source>Pulsa para mostrar u ocultar la señal HDB3</source>
        <translation>Sakatu HDB3 seinalea erakusteko edo ezkutatzeko</translation>
    </message>
    <message>
        <source>Periodo </source>
        <translation>Periodoa </translation>
    </message>
    <message>
        <source>Periodo de bit</source>
        <translation>Bit-periodoa</translation>
    </message>
    <message>
        <source>Ancho de un bit en el dibujo, de 1 a 10; se mueve con las flechas</source>
        <translation>Bit baten zabalera marrazkian, 1etik 10era; geziekin mugitzen da</translation>
    </message>
    <message>
        <source>Número</source>
        <translation>Zenbakia</translation>
    </message>
    <message>
        <source>0000</source>
        <translation>0000</translation>
    </message>
    <message>
        <source>Número hexadecimal</source>
        <translation>Zenbaki hamaseitarra</translation>
    </message>
    <message>
        <source>Escribe cifras hexadecimales en cualquier parte de la ventana; entran por la derecha</source>
        <translation>Idatzi zifra hamaseitarrak leihoaren edozein lekutan; eskuinetik sartzen dira</translation>
    </message>
    <message>
        <source>Hexa.</source>
        <translation>Hamas.</translation>
    </message>
    <message>
        <source>000000000000000</source>
        <translation>000000000000000</translation>
    </message>
    <message>
        <source>Número en binario</source>
        <translation>Zenbakia bitarrean</translation>
    </message>
    <message>
        <source>Los 16 bits del número</source>
        <translation>Zenbakiaren 16 bitak</translation>
    </message>
    <message>
        <source>Binario</source>
        <translation>Bitarra</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Vuelve el número a 0000</source>
        <translation>Zenbakia 0000ra itzultzen du</translation>
    </message>
    <message>
        <source>Cadena HDB3</source>
        <translation>HDB3 katea</translation>
    </message>
    <message>
        <source>Los símbolos HDB3 de ocho copias del número, con sus sustituciones B y V</source>
        <translation>Zenbakiaren zortzi kopiaren HDB3 ikurrak, bere B eta V ordezkapenekin</translation>
    </message>
    <message>
        <source>¿A qué número hexadecimal se corresponde el código que se muestra?</source>
        <translation>Zein zenbaki hamaseitarri dagokio erakusten den kodea?</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Ikusi</translation>
    </message>
    <message>
        <source>Reloj</source>
        <translation>Erlojua</translation>
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
        <translation>Ikusi denak</translation>
    </message>
    <message>
        <source>Ocultar todos</source>
        <translation>Ezkutatu denak</translation>
    </message>
    <message>
        <source>Ampliar</source>
        <translation>Handiagotu</translation>
    </message>
    <message>
        <source>Reducir</source>
        <translation>Txikiagotu</translation>
    </message>
    <message>
        <source>Tamaño normal</source>
        <translation>Tamaina normala</translation>
    </message>
    <message>
        <source>Ampliación: 100 %</source>
        <translation>Handiagotzea: % 100</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Hizkuntza</translation>
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
        <translation>Tresnak</translation>
    </message>
    <message>
        <source>Proponer ejercicio</source>
        <translation>Proposatu ariketa</translation>
    </message>
    <message>
        <source>Laboratorio de códigos…</source>
        <translation>Kode-laborategia…</translation>
    </message>
    <message>
        <source>Entrenador de códigos…</source>
        <translation>Kode-entrenatzailea…</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Laguntza</translation>
    </message>
    <message>
        <source>Acerca de ...</source>
        <translation>Honi buruz ...</translation>
    </message>
    <message>
        <source>Ayuda ...</source>
        <translation>Laguntza ...</translation>
    </message>
</context>
<context>
    <name>principal::VentanaPrincipal</name>
    <message>
        <source>Ampliación: %1 %</source>
        <translation>Handiagotzea: % %1</translation>
    </message>
    <message>
        <source>Copiar imagen</source>
        <translation>Kopiatu irudia</translation>
    </message>
    <message>
        <source>Guardar imagen…</source>
        <translation>Gorde irudia…</translation>
    </message>
    <message>
        <source>Guardar imagen</source>
        <translation>Gorde irudia</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png);;Dibujo vectorial SVG (*.svg)</source>
        <translation>PNG irudia (*.png);;SVG marrazki bektoriala (*.svg)</translation>
    </message>
    <message>
        <source>No se pudo guardar la imagen en «%1»: %2.</source>
        <translation>Ezin izan da irudia «%1»-(e)n gorde: %2.</translation>
    </message>
</context>
</TS>
