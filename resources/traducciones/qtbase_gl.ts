<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl">
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>Step &amp;down</source>
        <translation>Paso a&amp;baixo</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Paso arriba</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Gardar</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Ficheiros</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Mostrar </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>«%1» está protexido contra escritura.
Queres borralo de todos os xeitos?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Seguro que queres borrar «%1»?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Lista de lugares e marcadores</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nome do ficheiro:</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Esquerda</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Arriba</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Cartafol novo</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Cartafol superior</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Cartafol novo</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Buscar en:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Dereita</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Crear un cartafol novo</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Ficheiros de tipo:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Buscar cartafol</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Mostrar os ficheiros &amp;ocultos</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Gardar como</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Non se atopou o cartafol.
Comproba que o nome do cartafol é correcto.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Barra lateral</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Vista de lista</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Escoller</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Cartafoles</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renomear</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Non se puido borrar o cartafol.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Cartafol:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 xa existe.
Queres substituílo?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adiante</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Ir adiante</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Ir ao cartafol superior</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Lugares recentes</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Ir atrás</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Cambiar á vista de detalle</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Crear un cartafol novo</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Vista de detalle</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Non se atopou o ficheiro.
Comproba que o nome do ficheiro é correcto.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Cambiar á vista de lista</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>O meu ordenador</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data de modificación</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refacer</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfacer</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Mostrar os detalles...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ocultar os detalles...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Si</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Axuda</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gardar</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abortar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Pechar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar de novo</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar os valores predeterminados</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;on a todo</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Gardar todo</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Si a &amp;todo</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Top</source>
        <translation>Arriba de todo</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Desprazar abaixo</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translation>Desprazar aquí</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Desprazar á esquerda</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abaixo de todo</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Páxina arriba</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Páxina á dereita</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Desprazar arriba</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Desprazar á dereita</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Bordo esquerdo</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Páxina abaixo</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Páxina á esquerda</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Bordo dereito</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refacer</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfacer</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copiar o &amp;enderezo da ligazón</translation>
    </message>
</context>
</TS>
