<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Alap</name>
    <message>
        <source>Choose an exercise and click on the icon</source>
        <translation>Klicken Sie auf das Symbol einer Übung</translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation>Übung %1</translation>
    </message>
    <message>
        <source>Put in the right definite articles.</source>
        <translation>Setzen Sie die bestimmten Artikel ein.</translation>
    </message>
    <message>
        <source>(The forms of the definite article: %1)</source>
        <translation>(Die Formen des bestimmten Artikels: %1)</translation>
    </message>
    <message>
        <source>Answer the questions. </source>
        <translation>Beantworten Sie die Fragen. </translation>
    </message>
    <message>
        <source>(Affirmative and negative sentences: short or long answers in complete sentences.)</source>
        <translation>(Bejahende und verneinende Sätze: kurze oder lange Antworten in ganzen Sätzen.)</translation>
    </message>
    <message>
        <source>Put in the missing verbs.</source>
        <translation>Setzen Sie die fehlenden Verben ein.</translation>
    </message>
    <message>
        <source>(singular 1-3 persons: %1)</source>
        <translation>(Singular, 1.–3. Person: %1)</translation>
    </message>
    <message>
        <source>Put in the right adjectives.</source>
        <translation>Ergänzen Sie die richtigen Adjektive.</translation>
    </message>
    <message>
        <source>(The most important adjectives: antonyms.)</source>
        <translation>(Die wichtigsten Adjektive: Gegensatzpaare.)</translation>
    </message>
    <message>
        <source>Bonus exercise (nouns and pictures).</source>
        <translation>Zusatzübung (Substantive und Bilder).</translation>
    </message>
    <message>
        <source>(Type in the nouns corresponding to the pictures.)</source>
        <translation>(Geben Sie die Substantive zu den Bildern ein.)</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Show my progress...</source>
        <translation>&amp;Meinen Fortschritt anzeigen...</translation>
    </message>
    <message>
        <source>&amp;Review...</source>
        <translation>&amp;Wiederholung...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber Tarvo...</translation>
    </message>
    <message>
        <source>&amp;How to ...</source>
        <translation>&amp;Anleitung...</translation>
    </message>
    <message>
        <source>How to ...</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Select the exercise you want to work with by clicking on its number. (Exercises 1 to 4 correspond to those in the part D of  &quot;Kelvora!&quot;, meanwhile the last exercise is a bonus on vocabulary. </source>
        <translation>Wählen Sie die Übung, mit der Sie arbeiten möchten, indem Sie auf ihre Nummer klicken. (Die Übungen 1 bis 4 entsprechen denen in Teil D von „Kelvora!“; die letzte Übung ist eine Zusatzübung zum Wortschatz.)</translation>
    </message>
    <message>
        <source>&amp;Lessons...</source>
        <translation>&amp;Lektionen...</translation>
    </message>
</context>
<context>
    <name>ArticleBank</name>
    <message>
        <source>1.  Put in the right form of the definite article:</source>
        <translation>1.  Setzen Sie den richtigen Artikel ein:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Open the review of the items due now, without the title card and the menu. Tarvo ends when the review window is closed.</source>
        <translation>Öffnet die Wiederholung der jetzt fälligen Aufgaben, ohne Startbildschirm und Menü. Tarvo endet, wenn das Wiederholungsfenster geschlossen wird.</translation>
    </message>
    <message>
        <source>Drill exercises for learners of Hungarian.</source>
        <translation>Drillübungen für Ungarischlernende.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The value of --export-csv and --check-lesson, as the options&apos; descriptions name it: &lt;file&gt;.</extracomment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>%1 is an argument given on the command line that Tarvo takes no part of</extracomment>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Try &apos;tarvo --help&apos; for more information.</source>
        <translation>Mehr dazu zeigt „tarvo --help“.</translation>
    </message>
    <message>
        <source>Check the lesson file &lt;file&gt;: print &quot;ok&quot;, or what is wrong and where, and exit without opening a window.</source>
        <translation>Prüft die Lektionsdatei &lt;Datei&gt;, gibt „ok“ aus oder was wo falsch ist, und beendet sich, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>Write every recorded answer, with its lesson, to &lt;file&gt; as CSV (UTF-8) and exit without opening a window.</source>
        <translation>Schreibt jede aufgezeichnete Antwort mit ihrer Lektion als CSV (UTF-8) in &lt;Datei&gt; und beendet sich, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>Open the Lessons window alone: lesson 1 and the word lists you imported. Tarvo ends when it is closed.</source>
        <translation>Nur das Fenster „Lektionen“ öffnen: Lektion 1 und die Wortlisten, die Sie importiert haben. Tarvo endet, wenn es geschlossen wird.</translation>
    </message>
    <message>
        <source>Import the word lists given as arguments (KVTML, CSV or tab-separated text) as lessons, and exit without opening a window.</source>
        <translation>Die als Argumente angegebenen Wortlisten (KVTML, CSV oder durch Tabulatoren getrennter Text) als Lektionen importieren und beenden, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>With --import: every word of a list that does not give word types is a noun, and its article is asked too.</source>
        <translation>Mit --import: Jedes Wort einer Liste ohne Wortarten ist ein Substantiv, und sein Artikel wird ebenfalls abgefragt.</translation>
    </message>
    <message>
        <source>Word lists to import; without --import, Tarvo then shows them in the Lessons window.</source>
        <translation>Zu importierende Wortlisten; ohne --import zeigt Tarvo sie danach im Fenster „Lektionen“.</translation>
    </message>
    <message>
        <source>[word lists...]</source>
        <extracomment>The arguments as --help shows them</extracomment>
        <translation>[Wortlisten...]</translation>
    </message>
    <message>
        <source>--import needs the word lists to import.</source>
        <translation>--import braucht die zu importierenden Wortlisten.</translation>
    </message>
    <message>
        <source>--nouns goes with --import.</source>
        <translation>--nouns gilt nur zusammen mit --import.</translation>
    </message>
</context>
<context>
    <name>DayChart</name>
    <message>
        <source>Answers of the last 30 days, right and wrong per day</source>
        <translation>Antworten der letzten 30 Tage, richtig und falsch pro Tag</translation>
    </message>
    <message numerus="yes">
        <source>%n answers right and %1 wrong on %2 of the last %3 days. The table of figures lists them day by day.</source>
        <extracomment>%n: answers right, %1: answers wrong, %2: days with answers, %3: days the chart shows</extracomment>
        <translation>
            <numerusform>%n Antwort richtig und %1 falsch an %2 der letzten %3 Tage. Die Zahlentabelle listet sie Tag für Tag auf.</numerusform>
            <numerusform>%n Antworten richtig und %1 falsch an %2 der letzten %3 Tage. Die Zahlentabelle listet sie Tag für Tag auf.</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>under the chart&apos;s last bar</extracomment>
        <translation>heute</translation>
    </message>
    <message>
        <source>d MMM</source>
        <extracomment>the date format under the chart&apos;s bars</extracomment>
        <translation>d. MMM</translation>
    </message>
    <message>
        <source>right</source>
        <extracomment>the chart&apos;s legend: the colour of the answers right</extracomment>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <extracomment>the chart&apos;s legend: the colour of the answers wrong</extracomment>
        <translation>falsch</translation>
    </message>
</context>
<context>
    <name>ExerciseForm</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Speak Hungarian</source>
        <translation>&amp;Ungarisch vorsprechen</translation>
    </message>
    <message>
        <source>Say it &amp;again</source>
        <translation>&amp;Noch einmal vorsprechen</translation>
    </message>
    <message>
        <source>S&amp;lowly</source>
        <translation>&amp;Langsam</translation>
    </message>
    <message>
        <source>Pro&amp;gress</source>
        <translation>&amp;Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Show my progress...</source>
        <translation>&amp;Meinen Fortschritt anzeigen...</translation>
    </message>
    <message>
        <source>&amp;Review...</source>
        <translation>&amp;Wiederholung...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;How to...</source>
        <translation>&amp;Anleitung...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Tarvo</translation>
    </message>
    <message>
        <source>Go to exercise %1</source>
        <translation>Zu Übung %1</translation>
    </message>
    <message>
        <source>Speak each Hungarian phrase you complete, and the solutions.</source>
        <translation>Spricht jeden ungarischen Ausdruck vor, den Sie vervollständigen, und auch die Lösungen.</translation>
    </message>
    <message>
        <source>Say the last Hungarian phrase again.</source>
        <translation>Spricht den letzten ungarischen Ausdruck noch einmal vor.</translation>
    </message>
    <message>
        <source>Speak Hungarian more slowly.</source>
        <translation>Spricht Ungarisch langsamer.</translation>
    </message>
    <message>
        <source>Go to exercise:</source>
        <translation>Zur Übung:</translation>
    </message>
    <message>
        <source>On&amp;Top</source>
        <translation>Im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>&amp;OnTop</source>
        <translation>Im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Lessons...</source>
        <translation>&amp;Lektionen...</translation>
    </message>
</context>
<context>
    <name>H01d1</name>
    <message>
        <source>Restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>So&amp;lution</source>
        <translation>&amp;Lösung</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Transcript</source>
        <translation>Mitschrift</translation>
    </message>
    <message>
        <source>Article</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Noun</source>
        <translation>Substantiv</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>You have completed the exercise. If you want to restart it, click the &quot;Restart&quot; button.</source>
        <translation>Sie haben die Übung abgeschlossen. Wenn Sie sie neu beginnen möchten, klicken Sie auf „Neustart“.</translation>
    </message>
    <message>
        <source>The correct solution is: %1</source>
        <extracomment>%1 is the Hungarian article and noun.</extracomment>
        <translation>Die richtige Lösung ist: %1</translation>
    </message>
    <message>
        <source>Click the &quot;Start&quot; button and type your solution in the blank textbox. Then press the &quot;Enter&quot; key. Go on.</source>
        <translation>Klicken Sie auf „Start“ und tippen Sie Ihre Lösung in das leere Textfeld. Drücken Sie dann die Eingabetaste. Machen Sie so weiter.</translation>
    </message>
</context>
<context>
    <name>H01d2</name>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Neustart</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>Choose picture %1</source>
        <translation>Bild %1 wählen</translation>
    </message>
    <message>
        <source>Answer to question %1</source>
        <translation>Antwort auf Frage %1</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>So&amp;lution</source>
        <translation>&amp;Lösung</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Char</source>
        <translation>&amp;Zeichen</translation>
    </message>
    <message>
        <source>This exercise has been accomplished. If you want to restart it, click the &quot;Restart&quot; button.</source>
        <translation>Diese Übung ist geschafft. Wenn Sie sie neu beginnen möchten, klicken Sie auf „Neustart“.</translation>
    </message>
    <message>
        <source>The correct solution is: %1 / %2</source>
        <extracomment>%1 and %2 are the long and the short Hungarian answer.</extracomment>
        <translation>Die richtige Lösung ist: %1 / %2</translation>
    </message>
    <message>
        <source>Click the &quot;Start&quot; button. Then choose a picture and click the check box in its upper left hand corner. Answer the question and press &quot;Enter&quot;. Go on.</source>
        <translation>Klicken Sie auf „Start“. Wählen Sie dann ein Bild und klicken Sie auf das Kästchen in seiner linken oberen Ecke. Beantworten Sie die Frage und drücken Sie die Eingabetaste. Machen Sie so weiter.</translation>
    </message>
</context>
<context>
    <name>H01d3</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Neustart</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>So&amp;lution</source>
        <translation>&amp;Lösung</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>3.  Put in the missing verbs.</source>
        <translation>3.  Setzen Sie die fehlenden Verben ein.</translation>
    </message>
    <message>
        <source>Transcript</source>
        <translation>Mitschrift</translation>
    </message>
    <message>
        <source>Sentence beginning</source>
        <translation>Satzanfang</translation>
    </message>
    <message>
        <source>Missing word</source>
        <translation>Fehlendes Wort</translation>
    </message>
    <message>
        <source>Sentence ending</source>
        <translation>Satzende</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>If you want to practise with an extended variant of the selected exercise, click the &quot;Plus&quot; button.</source>
        <translation>Für eine erweiterte Fassung der gewählten Übung klicken Sie auf „Plus“.</translation>
    </message>
    <message>
        <source>&amp;Plus</source>
        <translation>&amp;Plus</translation>
    </message>
    <message>
        <source>&amp;Char</source>
        <translation>&amp;Zeichen</translation>
    </message>
    <message>
        <source>The exercise has been accomplished. If you want to restart it, click the&quot;Restart&quot; button.</source>
        <translation>Die Übung ist geschafft. Wenn Sie sie neu beginnen möchten, klicken Sie auf „Neustart“.</translation>
    </message>
    <message>
        <source>The correct solution is: %1</source>
        <extracomment>%1 is the Hungarian word for the gap.</extracomment>
        <translation>Die richtige Lösung ist: %1</translation>
    </message>
    <message>
        <source>Click the &quot;Start&quot; button and put your solution in the gap. Then press the &quot;Enter&quot; key. Go on.</source>
        <translation>Klicken Sie auf „Start“ und setzen Sie Ihre Lösung in die Lücke ein. Drücken Sie dann die Eingabetaste. Machen Sie so weiter.</translation>
    </message>
</context>
<context>
    <name>HungarianKey</name>
    <message>
        <source>If you want to see how to type the special Hungarian characters (á, é etc.) on an English keyboard, click the &quot;Char&quot; button. If you want that information to desappear, click again.</source>
        <translation>Wenn Sie sehen möchten, wie Sie die besonderen ungarischen Buchstaben (á, é usw.) auf einer englischen Tastatur tippen, klicken Sie auf „Zeichen“. Wenn diese Information wieder verschwinden soll, klicken Sie noch einmal darauf.</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>this is not a Tarvo lesson file (its &quot;format&quot; is not &quot;tarvo-lesson&quot;)</source>
        <translation>dies ist keine Lektionsdatei von Tarvo (ihr „format“ ist nicht „tarvo-lesson“)</translation>
    </message>
    <message>
        <source>&quot;version&quot; must be a whole number from 1</source>
        <translation>„version“ muss eine ganze Zahl ab 1 sein</translation>
    </message>
    <message>
        <source>the file is written in format version %1; this Tarvo reads version %2</source>
        <translation>die Datei ist im Format der Version %1 geschrieben; dieses Tarvo liest Version %2</translation>
    </message>
    <message>
        <source>&quot;sections&quot; must be a list of at least one section</source>
        <translation>„sections“ muss eine Liste mit mindestens einem Abschnitt sein</translation>
    </message>
    <message>
        <source>more than %1 sections</source>
        <translation>mehr als %1 Abschnitte</translation>
    </message>
    <message>
        <source>the section id &quot;%1&quot; is used twice</source>
        <translation>die Abschnittskennung „%1“ kommt zweimal vor</translation>
    </message>
    <message>
        <source>section %1, item %2 (&quot;%3&quot;)</source>
        <extracomment>The place of a fault in a lesson file: %3 is the item&apos;s key.</extracomment>
        <translation>Abschnitt %1, Eintrag %2 („%3“)</translation>
    </message>
    <message>
        <source>section %1, item %2</source>
        <translation>Abschnitt %1, Eintrag %2</translation>
    </message>
    <message>
        <source>section %1</source>
        <translation>Abschnitt %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>%1 is the file, %2 the place in it (a section and an item), %3 what is wrong.</extracomment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>unknown field &quot;%1&quot;</source>
        <translation>unbekanntes Feld „%1“</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation>das Feld „%1“ fehlt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text in quotes</source>
        <translation>„%1“ muss ein Text in Anführungszeichen sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too long (%2 characters; at most %3)</source>
        <translation>„%1“ ist zu lang (%2 Zeichen; höchstens %3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not be empty</source>
        <translation>„%1“ darf nicht leer sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a broken character</source>
        <translation>„%1“ enthält ein ungültiges Zeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a control character</source>
        <translation>„%1“ enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation>„%1“ muss true oder false sein</translation>
    </message>
    <message>
        <source>there is no picture &quot;%1&quot;</source>
        <translation>es gibt kein Bild „%1“</translation>
    </message>
    <message>
        <source>a section must be an object in braces</source>
        <translation>ein Abschnitt muss ein Objekt in geschweiften Klammern sein</translation>
    </message>
    <message>
        <source>&quot;items&quot; must be a list of at least one item</source>
        <translation>„items“ muss eine Liste mit mindestens einem Eintrag sein</translation>
    </message>
    <message>
        <source>more than %1 items</source>
        <translation>mehr als %1 Einträge</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is used twice in this section</source>
        <translation>der Schlüssel „%1“ kommt in diesem Abschnitt zweimal vor</translation>
    </message>
    <message>
        <source>an item of the ordinary run follows an item of the Plus run</source>
        <translation>ein Eintrag des normalen Durchgangs folgt auf einen Eintrag des Plus-Durchgangs</translation>
    </message>
    <message>
        <source>an item must be an object in braces</source>
        <translation>ein Eintrag muss ein Objekt in geschweiften Klammern sein</translation>
    </message>
    <message>
        <source>&quot;article&quot; must be &quot;a&quot; or &quot;az&quot;</source>
        <translation>„article“ muss „a“ oder „az“ sein</translation>
    </message>
    <message>
        <source>a word needs a &quot;prompt&quot; or a &quot;picture&quot;</source>
        <translation>ein Wort braucht „prompt“ oder „picture“</translation>
    </message>
    <message>
        <source>unknown kind &quot;%1&quot; (the kinds are article, question, gap, picture and word)</source>
        <translation>unbekannte Art „%1“ (die Arten sind article, question, gap, picture und word)</translation>
    </message>
    <message>
        <source>%1, line %2, column %3: %4</source>
        <extracomment>%1 is the file, %2 and %3 the place in it, %4 what is wrong.</extracomment>
        <translation>%1, Zeile %2, Spalte %3: %4</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>die Datei ist größer als %1 MB</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>der Text ist kein UTF-8</translation>
    </message>
    <message>
        <source>the file does not hold a lesson (an object in braces)</source>
        <translation>die Datei enthält keine Lektion (ein Objekt in geschweiften Klammern)</translation>
    </message>
    <message>
        <source>this is a folder, not a file</source>
        <translation>dies ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>die Datei kann nicht gelesen werden (%1)</translation>
    </message>
</context>
<context>
    <name>LessonLibrary</name>
    <message>
        <source>the picture %1 cannot be read (%2)</source>
        <translation>das Bild %1 kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>the picture %1 cannot be copied to %2 (%3)</source>
        <translation>das Bild %1 kann nicht nach %2 kopiert werden (%3)</translation>
    </message>
    <message>
        <source>%1: another lesson has the id &quot;%2&quot; already</source>
        <extracomment>%1 is a lesson file, %2 the id it gives its lesson</extracomment>
        <translation>%1: eine andere Lektion hat bereits die Kennung „%2“</translation>
    </message>
    <message>
        <source>%1: the lesson cannot be kept in %2 (%3)</source>
        <extracomment>%1 is the word list, %2 the folder of the lessons, %3 why</extracomment>
        <translation>%1: die Lektion kann nicht in %2 gespeichert werden (%3)</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 is not a lesson of the folder %2</source>
        <translation>%1 ist keine Lektion des Ordners %2</translation>
    </message>
    <message>
        <source>%1 cannot be removed (%2)</source>
        <extracomment>%1 is a lesson file, %2 why it cannot be removed</extracomment>
        <translation>%1 kann nicht entfernt werden (%2)</translation>
    </message>
    <message>
        <source>Imported 1 word into “%1”</source>
        <translation>1 Wort in „%1“ importiert</translation>
    </message>
    <message>
        <source>Imported %1 words into “%2”</source>
        <translation>%1 Wörter in „%2“ importiert</translation>
    </message>
    <message>
        <source>It had been imported before and is updated: %1 new, %2 changed, %3 no longer in the list.</source>
        <extracomment>An update of a lesson imported before: how many words are new, changed, and gone</extracomment>
        <translation>Die Liste war schon importiert; ihre Lektion ist aktualisiert: %1 neu, %2 geändert, %3 nicht mehr in der Liste.</translation>
    </message>
</context>
<context>
    <name>LessonsWindow</name>
    <message>
        <source>not known</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Language %1</source>
        <extracomment>A column of a word list named by its language code (%1, &quot;en&quot;)</extracomment>
        <translation>Sprache %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Tarvo - Lessons</source>
        <translation>Tarvo - Lektionen</translation>
    </message>
    <message>
        <source>Word lists (*.kvtml *.csv *.tsv *.txt);;All files (*)</source>
        <translation>Wortlisten (*.kvtml *.csv *.tsv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Lessons</source>
        <translation>&amp;Lektionen</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Lektionen</translation>
    </message>
    <message>
        <source>Lesson 1 and the word lists you imported. Enter or a double click practises the lesson.</source>
        <translation>Lektion 1 und die Wortlisten, die Sie importiert haben. Die Eingabetaste oder ein Doppelklick übt die Lektion.</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lektion</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Met so far</source>
        <translation>Bisher gesehen</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Heute fällig</translation>
    </message>
    <message>
        <source>Files that could not be read</source>
        <translation>Dateien, die nicht gelesen werden konnten</translation>
    </message>
    <message>
        <source>Where your lessons are kept</source>
        <translation>Wo Ihre Lektionen gespeichert sind</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Import a word list: KVTML (Parley, KWordQuiz), CSV or tab-separated text</source>
        <translation>Eine Wortliste importieren: KVTML (Parley, KWordQuiz), CSV oder durch Tabulatoren getrennter Text</translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation>Ü&amp;ben</translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <translation>&amp;Entfernen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>The word list being imported</source>
        <translation>Die Wortliste, die importiert wird</translation>
    </message>
    <message>
        <source>What to choose</source>
        <translation>Was zu wählen ist</translation>
    </message>
    <message>
        <source>Column of the Hungarian words</source>
        <translation>Spalte mit den ungarischen Wörtern</translation>
    </message>
    <message>
        <source>&amp;Hungarian words:</source>
        <translation>&amp;Ungarische Wörter:</translation>
    </message>
    <message>
        <source>Column to ask by</source>
        <translation>Spalte, mit der abgefragt wird</translation>
    </message>
    <message>
        <source>&amp;Ask by:</source>
        <translation>&amp;Abfragen mit:</translation>
    </message>
    <message>
        <source>These are &amp;nouns</source>
        <translation>Das sind alles &amp;Substantive</translation>
    </message>
    <message>
        <source>Tarvo then also asks each word&apos;s article, a or az</source>
        <translation>Tarvo fragt dann auch den Artikel jedes Wortes ab, a oder az</translation>
    </message>
    <message>
        <source>The first words as they would be imported</source>
        <translation>Die ersten Wörter, wie sie importiert würden</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Built in: the five exercises of the menu</source>
        <translation>Eingebaut: die fünf Übungen des Menüs</translation>
    </message>
    <message>
        <source>Items of the five exercises</source>
        <translation>Aufgaben der fünf Übungen</translation>
    </message>
    <message>
        <source>These files in the lessons folder could not be read and are left as they are:</source>
        <translation>Diese Dateien im Ordner der Lektionen konnten nicht gelesen werden und bleiben, wie sie sind:</translation>
    </message>
    <message>
        <source>Your imported lessons are kept in the folder
%1</source>
        <translation>Ihre importierten Lektionen werden in diesem Ordner gespeichert:
%1</translation>
    </message>
    <message>
        <source>Import word lists</source>
        <translation>Wortlisten importieren</translation>
    </message>
    <message>
        <source>Importing “%1”</source>
        <extracomment>%1 is the word list&apos;s file name</extracomment>
        <translation>„%1“ wird importiert</translation>
    </message>
    <message>
        <source>No language of this list is marked as Hungarian. Choose the one that is, and the one Tarvo asks by.</source>
        <translation>Keine Sprache dieser Liste ist als Ungarisch gekennzeichnet. Wählen Sie die ungarische und die, mit der Tarvo abfragt.</translation>
    </message>
    <message>
        <source>The list does not say which column holds the Hungarian words. Tarvo has made a guess: check the first words below, and choose other columns if they are wrong.</source>
        <translation>Die Liste gibt nicht an, welche Spalte die ungarischen Wörter enthält. Tarvo hat geraten: Prüfen Sie die ersten Wörter unten, und wählen Sie andere Spalten, falls sie falsch sind.</translation>
    </message>
    <message>
        <source>The list does not say which of its words are nouns. If they all are, tick the box: Tarvo then also asks each one&apos;s article.</source>
        <translation>Die Liste gibt nicht an, welche ihrer Wörter Substantive sind. Wenn es alle sind, kreuzen Sie das Kästchen an: Tarvo fragt dann auch jeweils den Artikel ab.</translation>
    </message>
    <message>
        <source>First words: %1</source>
        <extracomment>%1 lists the first words of a word list, each followed by its prompt in brackets</extracomment>
        <translation>Erste Wörter: %1</translation>
    </message>
    <message>
        <source>Remove the lesson “%1”?

Its words leave the review. Your answers to them stay in your record, and you can import the list again.</source>
        <translation>Die Lektion „%1“ entfernen?

Ihre Wörter werden nicht mehr wiederholt. Ihre Antworten darauf bleiben in Ihrem Verlauf, und Sie können die Liste wieder importieren.</translation>
    </message>
    <message>
        <source>New items a day</source>
        <translation>Neue Aufgaben pro Tag</translation>
    </message>
    <message>
        <source>How many items you have not met yet a practice brings, in each lesson each day. A noun&apos;s article is an item of its own.</source>
        <translation>Wie viele Aufgaben, die Sie noch nicht kennen, eine Übung bringt, in jeder Lektion an jedem Tag. Der Artikel eines Substantivs ist eine eigene Aufgabe.</translation>
    </message>
    <message>
        <source>&amp;New items a day:</source>
        <translation>&amp;Neue Aufgaben pro Tag:</translation>
    </message>
    <message>
        <source>This lesson cannot be read any more. Import its word list again.</source>
        <translation>Diese Lektion kann nicht mehr gelesen werden. Importieren Sie ihre Wortliste erneut.</translation>
    </message>
</context>
<context>
    <name>Lex1</name>
    <message>
        <source>Words --- Exercise</source>
        <translation>Wörter --- Übung</translation>
    </message>
    <message>
        <source>Solutions (All)</source>
        <extracomment>The title of the box shown after the &quot;Solutions (All)&quot; button.</extracomment>
        <translation>Alle Lösungen</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>Word for picture %1</source>
        <translation>Wort zu Bild %1</translation>
    </message>
    <message>
        <source>Reveal the word for picture %1</source>
        <translation>Wort zu Bild %1 aufdecken</translation>
    </message>
    <message>
        <source>Your word</source>
        <translation>Ihr Wort</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Solutions (All)</source>
        <translation>&amp;Alle Lösungen</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Char</source>
        <translation>&amp;Zeichen</translation>
    </message>
    <message>
        <source>Congratulations! You have accomplished the exercise. If you want to restart it, click the &quot;Restart&quot; button.</source>
        <translation>Herzlichen Glückwunsch! Sie haben die Übung geschafft. Wenn Sie sie neu beginnen möchten, klicken Sie auf „Neustart“.</translation>
    </message>
    <message>
        <source>Res&amp;tart</source>
        <translation>&amp;Neustart</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Neustart</translation>
    </message>
    <message>
        <source>If you want to restart the exercise, click the &quot;Restart&quot; button.</source>
        <translation>Wenn Sie die Übung neu beginnen möchten, klicken Sie auf „Neustart“.</translation>
    </message>
    <message>
        <source>Click the &quot;Start&quot; button. Then choose a picture and put the noun it refers to in the blank square at the bottom. Press &quot;Enter&quot;. Go on.</source>
        <translation>Klicken Sie auf „Start“. Wählen Sie dann ein Bild und schreiben Sie das passende Substantiv in das leere Feld unten. Drücken Sie die Eingabetaste. Machen Sie so weiter.</translation>
    </message>
    <message>
        <source>If you want to get the right word, click the box in the upper left hand corner of the picture in question.</source>
        <translation>Wenn Sie das richtige Wort sehen möchten, klicken Sie auf das Kästchen in der linken oberen Ecke des betreffenden Bildes.</translation>
    </message>
</context>
<context>
    <name>Module1</name>
    <message>
        <source>Sorry, it&apos;s wrong. Try again. Pay attention to the spelling too.</source>
        <translation>Leider falsch. Versuchen Sie es noch einmal. Achten Sie auch auf die Schreibung.</translation>
    </message>
</context>
<context>
    <name>ProgressStore</name>
    <message>
        <source>Nothing is recorded in this run.</source>
        <translation>In dieser Sitzung wird nichts aufgezeichnet.</translation>
    </message>
    <message>
        <source>The progress file cannot be read.</source>
        <translation>Die Fortschrittsdatei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is the file the learner chose, %2 the system&apos;s reason</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The progress file cannot be read: %1</source>
        <translation>Die Fortschrittsdatei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Your progress cannot be saved: %1.

The exercises work as always, but what you do now will not be kept.

The file: %2</source>
        <extracomment>%1 is why, e.g. &quot;the disk is full&quot;; %2 is the file</extracomment>
        <translation>Ihr Fortschritt kann nicht gespeichert werden: %1.

Die Übungen funktionieren wie immer, aber was Sie jetzt tun, wird nicht gespeichert.

Die Datei: %2</translation>
    </message>
    <message>
        <source>Your progress was saved by a newer version of Tarvo, which this version cannot read. The file has been left as it is, and what you do now will not be kept.

The file: %1</source>
        <translation>Ihr Fortschritt wurde von einer neueren Version von Tarvo gespeichert, die diese Version nicht lesen kann. Die Datei bleibt unverändert, und was Sie jetzt tun, wird nicht gespeichert.

Die Datei: %1</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <translation>die Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>a folder stands where its file should be</source>
        <translation>wo die Datei sein sollte, steht ein Ordner</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>ihr Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the file is damaged and cannot be moved aside</source>
        <translation>die Datei ist beschädigt und kann nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <source>The file that kept your progress was damaged and could not be read. It has been kept as
%1
and a new record has been started.</source>
        <translation>Die Datei mit Ihrem Fortschritt war beschädigt und konnte nicht gelesen werden. Sie wurde aufbewahrt als
%1
und eine neue Aufzeichnung wurde begonnen.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <extracomment>%1 is SQLite&apos;s own message</extracomment>
        <translation>die Datei kann nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>the file has been damaged</source>
        <translation>die Datei wurde beschädigt</translation>
    </message>
    <message>
        <source>no SQLite connection</source>
        <translation>keine SQLite-Verbindung</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>2. Questions</source>
        <translation>2. Fragen</translation>
    </message>
    <message>
        <source>3. To be</source>
        <translation>3. Verb „sein“</translation>
    </message>
    <message>
        <source>4. Antonyms</source>
        <translation>4. Antonyme</translation>
    </message>
    <message>
        <source>5. Pictures</source>
        <translation>5. Bilder</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>today, %1</source>
        <extracomment>%1 is the time of day</extracomment>
        <translation>heute, %1</translation>
    </message>
    <message>
        <source>yesterday, %1</source>
        <translation>gestern, %1</translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm</source>
        <translation>dd.MM.yyyy HH:mm</translation>
    </message>
    <message>
        <source>now</source>
        <translation>jetzt</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>dd.MM.yyyy</translation>
    </message>
    <message>
        <source>Tarvo - My progress</source>
        <translation>Tarvo - Mein Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Exercises</source>
        <translation>Ü&amp;bungen</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Runs completed</source>
        <translation>Beendete Durchgänge</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>Auf Anhieb richtig</translation>
    </message>
    <message>
        <source>Last practised</source>
        <translation>Zuletzt geübt</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Heute fällig</translation>
    </message>
    <message>
        <source>Due in 7 days</source>
        <translation>In 7 Tagen fällig</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Answers of the last %n days</source>
        <translation>
            <numerusform>&amp;Antworten des letzten Tages</numerusform>
            <numerusform>&amp;Antworten der letzten %n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Answers of the last %n days</source>
        <translation>
            <numerusform>Antworten des letzten Tages</numerusform>
            <numerusform>Antworten der letzten %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Answers per day, as figures</source>
        <translation>Antworten pro Tag, als Zahlen</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>&amp;Diagramm</translation>
    </message>
    <message>
        <source>&amp;Figures</source>
        <translation>&amp;Zahlen</translation>
    </message>
    <message>
        <source>&amp;Words to practise</source>
        <translation>&amp;Wörter zum Üben</translation>
    </message>
    <message>
        <source>Words to practise</source>
        <translation>Wörter zum Üben</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Richtige Antwort</translation>
    </message>
    <message>
        <source>Next due</source>
        <translation>Wieder fällig</translation>
    </message>
    <message>
        <source>The items you answered wrong most often, with their right answers and when each is next due for review</source>
        <translation>Die Aufgaben, die Sie am häufigsten falsch beantwortet haben, mit ihren richtigen Antworten und wann jede wieder zur Wiederholung fällig ist</translation>
    </message>
    <message>
        <source>Where your progress is kept</source>
        <translation>Wo Ihr Fortschritt gespeichert wird</translation>
    </message>
    <message>
        <source>F&amp;orget my progress...</source>
        <translation>Fortschritt &amp;löschen...</translation>
    </message>
    <message>
        <source>E&amp;xport as CSV...</source>
        <translation>Als CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>a percentage</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 (hard word)</source>
        <extracomment>%1 is the Hungarian item</extracomment>
        <translation>%1 (schweres Wort)</translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation>Übung %1</translation>
    </message>
    <message>
        <source>Nothing of this run is being kept.</source>
        <translation>Von dieser Sitzung wird nichts gespeichert.</translation>
    </message>
    <message>
        <source>Your progress is kept on this computer only, nowhere else, in the file
%1
To remove it, press Forget my progress, or delete that file while Tarvo is closed.</source>
        <translation>Ihr Fortschritt wird nur auf diesem Computer gespeichert, nirgendwo sonst, in der Datei
%1
Um ihn zu entfernen, klicken Sie auf „Fortschritt löschen“ oder löschen Sie diese Datei, während Tarvo geschlossen ist.</translation>
    </message>
    <message>
        <source>What you do now is not being saved.</source>
        <translation>Was Sie jetzt tun, wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>Forget all your progress?

Every run and answer recorded so far will be removed. This cannot be undone.</source>
        <translation>Ihren gesamten Fortschritt löschen?

Alle bisher aufgezeichneten Durchgänge und Antworten werden entfernt. Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Your progress could not be removed.</source>
        <translation>Ihr Fortschritt konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Every answer has been written to
%1</source>
        <translation>Alle Antworten wurden in folgende Datei geschrieben:
%1</translation>
    </message>
    <message>
        <source>no longer in any lesson</source>
        <translation>in keiner Lektion mehr</translation>
    </message>
    <message>
        <source>From “%1”</source>
        <extracomment>%1 is the title of one of the learner&apos;s own lessons</extracomment>
        <translation>Aus „%1“</translation>
    </message>
    <message numerus="yes">
        <source>%1; forgotten %n times after it had been learnt</source>
        <translation>
            <numerusform>%1; nach dem Lernen %n-mal vergessen</numerusform>
            <numerusform>%1; nach dem Lernen %n-mal vergessen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>2. Answer the questions in complete sentences:</source>
        <translation>2. Antworten Sie in ganzen Sätzen:</translation>
    </message>
    <message>
        <source>Attention to capital letters!</source>
        <translation>Achten Sie auf die Großschreibung!</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Tarvo - Review</source>
        <translation>Tarvo - Wiederholung</translation>
    </message>
    <message>
        <source>&amp;Review (%1 due)...</source>
        <extracomment>%1 is the number of items due now</extracomment>
        <translation>&amp;Wiederholung (%1 fällig)...</translation>
    </message>
    <message>
        <source>About your record</source>
        <translation>Zu Ihren Aufzeichnungen</translation>
    </message>
    <message>
        <source>Where the item comes from</source>
        <translation>Woher die Aufgabe stammt</translation>
    </message>
    <message>
        <source>Item number</source>
        <translation>Nummer der Aufgabe</translation>
    </message>
    <message>
        <source>Instruction</source>
        <translation>Arbeitsanweisung</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>&amp;Your answer:</source>
        <translation>&amp;Ihre Antwort:</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Ihre Antwort</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Nothing of this run is being kept, so there is nothing to review.</source>
        <translation>Von dieser Sitzung wird nichts gespeichert, daher gibt es nichts zu wiederholen.</translation>
    </message>
    <message>
        <source>Your progress cannot be read, so there is nothing to review.</source>
        <translation>Ihr Fortschritt kann nicht gelesen werden, daher gibt es nichts zu wiederholen.</translation>
    </message>
    <message>
        <source>This review will not be kept: your progress cannot be saved now.</source>
        <translation>Diese Wiederholung wird nicht gespeichert: Ihr Fortschritt kann zurzeit nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>the item&apos;s number and how many items the review has</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>From exercise %1, Plus</source>
        <translation>Aus Übung %1, Plus</translation>
    </message>
    <message>
        <source>From exercise %1</source>
        <translation>Aus Übung %1</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Name what the picture shows</source>
        <translation>Nennen Sie, was das Bild zeigt</translation>
    </message>
    <message>
        <source>Right! %1</source>
        <extracomment>%1 is the Hungarian answer</extracomment>
        <translation>Richtig! %1</translation>
    </message>
    <message>
        <source>Not quite. The right answer is: %1</source>
        <translation>Nicht ganz. Die richtige Antwort ist: %1</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 Aufgabe</translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n Aufgabe</numerusform>
            <numerusform>%n Aufgaben</numerusform>
        </translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message>
        <source>dddd</source>
        <extracomment>date format of a day in the coming week: its name</extracomment>
        <translation>dddd</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>date format of a day further ahead</extracomment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>Next: %1, %2.</source>
        <extracomment>%1 is the day the next items are due, %2 how many they are</extracomment>
        <translation>Als Nächstes: %1, %2.</translation>
    </message>
    <message>
        <source>Nothing is due now.</source>
        <translation>Jetzt ist nichts fällig.</translation>
    </message>
    <message>
        <source>Review done: %1 reviewed, %2 right.</source>
        <translation>Wiederholung beendet: %1 wiederholt, %2 richtig.</translation>
    </message>
    <message>
        <source>Items you answer in the exercises come back here when they are due.</source>
        <translation>Aufgaben, die Sie in den Übungen beantworten, erscheinen hier wieder, wenn sie fällig sind.</translation>
    </message>
    <message>
        <source>Nothing goes in the gap.</source>
        <translation>In die Lücke kommt nichts.</translation>
    </message>
    <message>
        <source>The part to type: %1.</source>
        <extracomment>%1 is the Hungarian word or article the learner types, underlined in the right answer</extracomment>
        <translation>Einzugeben ist: %1.</translation>
    </message>
    <message>
        <source>Type the article, or the article with the noun.</source>
        <translation>Geben Sie den Artikel ein, oder den Artikel mit dem Substantiv.</translation>
    </message>
    <message>
        <source>Type the verb for the gap, or the whole sentence. Where no verb is needed, leave the box empty.</source>
        <translation>Geben Sie das Verb für die Lücke ein, oder den ganzen Satz. Wo kein Verb nötig ist, lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>Type the word for the gap, or the whole sentence.</source>
        <translation>Geben Sie das Wort für die Lücke ein, oder den ganzen Satz.</translation>
    </message>
    <message>
        <source>Type the Hungarian word for the picture.</source>
        <translation>Geben Sie das ungarische Wort für das Bild ein.</translation>
    </message>
    <message>
        <source>What to type</source>
        <translation>Was einzugeben ist</translation>
    </message>
    <message>
        <source>The letters that differ: %1.</source>
        <extracomment>%1 lists the letters of the right answer that differ from the answer given, as &quot;ó, ű&quot;</extracomment>
        <translation>Die Buchstaben, die sich unterscheiden: %1.</translation>
    </message>
    <message>
        <source>Your answer has a space too many.</source>
        <translation>Ihre Antwort hat ein Leerzeichen zu viel.</translation>
    </message>
    <message>
        <source>A space is missing where it is marked.</source>
        <translation>Wo es markiert ist, fehlt ein Leerzeichen.</translation>
    </message>
    <message>
        <source>The right answer ends without punctuation.</source>
        <translation>Die richtige Antwort endet ohne Satzzeichen.</translation>
    </message>
    <message>
        <source>The right answer ends with: %1</source>
        <extracomment>%1 is the punctuation mark at the end of the right answer</extracomment>
        <translation>Die richtige Antwort endet mit: %1</translation>
    </message>
    <message>
        <source>Only the accents differ: %1</source>
        <extracomment>%1 is the right answer, its letters that differ from the answer given marked</extracomment>
        <translation>Nur die Akzente unterscheiden sich: %1</translation>
    </message>
    <message>
        <source>Only the capital letters differ: %1</source>
        <translation>Nur die Groß- und Kleinschreibung unterscheidet sich: %1</translation>
    </message>
    <message>
        <source>Only the spaces differ: %1</source>
        <translation>Nur die Leerzeichen unterscheiden sich: %1</translation>
    </message>
    <message>
        <source>Only the final punctuation differs: %1</source>
        <translation>Nur das Satzzeichen am Ende unterscheidet sich: %1</translation>
    </message>
    <message>
        <source>&amp;End review</source>
        <translation>Wiederholung &amp;beenden</translation>
    </message>
    <message>
        <source>Stop here and see what you have reviewed. The items not reviewed stay due.</source>
        <translation>Hier aufhören und sehen, was Sie wiederholt haben. Die nicht wiederholten Aufgaben bleiben fällig.</translation>
    </message>
    <message>
        <source>%1 of %2, again</source>
        <extracomment>the item&apos;s number and how many items the review has, for an item asked again after a miss</extracomment>
        <translation>%1 von %2, noch einmal</translation>
    </message>
    <message>
        <source>%1 of %2 reviewed; 1 stays due. %3 right.</source>
        <extracomment>the review ended early: %1 items answered of %2, %3 of them right at their first answer</extracomment>
        <translation>%1 von %2 wiederholt; 1 bleibt fällig. %3 richtig.</translation>
    </message>
    <message>
        <source>%1 of %2 reviewed; %3 stay due. %4 right.</source>
        <extracomment>the review ended early: %1 items answered of %2, %3 not answered, %4 right at their first answer</extracomment>
        <translation>%1 von %2 wiederholt; %3 bleiben fällig. %4 richtig.</translation>
    </message>
    <message>
        <source>Items that had to be repeated: %1</source>
        <extracomment>%1 lists the items answered wrong at first, which came back until they were answered right</extracomment>
        <translation>Aufgaben, die wiederholt werden mussten: %1</translation>
    </message>
    <message>
        <source>Type the Hungarian word.</source>
        <translation>Geben Sie das ungarische Wort ein.</translation>
    </message>
    <message>
        <source>Tarvo - Practice</source>
        <translation>Tarvo - Übung</translation>
    </message>
    <message>
        <source>Stop here and see what you have practised. The items not answered wait for your next practice.</source>
        <translation>Hier aufhören und sehen, was Sie geübt haben. Die nicht beantworteten Aufgaben warten auf Ihre nächste Übung.</translation>
    </message>
    <message>
        <source>&amp;End practice</source>
        <translation>Übung &amp;beenden</translation>
    </message>
    <message>
        <source>Nothing of this run is being kept, so this practice is not kept either.</source>
        <translation>In diesem Lauf wird nichts gespeichert, also auch diese Übung nicht.</translation>
    </message>
    <message>
        <source>This practice will not be kept: your progress cannot be saved now.</source>
        <translation>Diese Übung wird nicht gespeichert: Ihr Fortschritt kann jetzt nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>From “%1”, new</source>
        <extracomment>%1 is the title of the lesson the item comes from</extracomment>
        <translation>Aus „%1“, neu</translation>
    </message>
    <message>
        <source>From “%1”</source>
        <translation>Aus „%1“</translation>
    </message>
    <message>
        <source>Nothing to practise in this lesson now.</source>
        <translation>In dieser Lektion gibt es jetzt nichts zu üben.</translation>
    </message>
    <message>
        <source>%1 of %2 practised. %3 right.</source>
        <extracomment>the practice ended early: %1 items answered of %2, %3 of them right at their first answer</extracomment>
        <translation>%1 von %2 geübt. %3 richtig.</translation>
    </message>
    <message>
        <source>Practice done: %1 practised, %2 right.</source>
        <translation>Übung fertig: %1 geübt, %2 richtig.</translation>
    </message>
    <message>
        <source>1 new item of this lesson waits for another day.</source>
        <translation>1 neue Aufgabe dieser Lektion wartet auf einen anderen Tag.</translation>
    </message>
    <message numerus="yes">
        <source>%n new items of this lesson wait for another day.</source>
        <translation>
            <numerusform>%n neue Aufgabe dieser Lektion wartet auf einen anderen Tag.</numerusform>
            <numerusform>%n neue Aufgaben dieser Lektion warten auf einen anderen Tag.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SentenceBank</name>
    <message>
        <source> 3. Put in the right form of verb if needed.</source>
        <translation> 3. Setzen Sie, wo nötig, die richtige Verbform ein.</translation>
    </message>
    <message>
        <source> 4. Put in the missing adjective.  (!!  Antonyms)</source>
        <translation> 4. Ergänzen Sie das Adjektiv.  (!!  Antonyme)</translation>
    </message>
    <message>
        <source>3. Put in the right form of the verb if needed.</source>
        <translation>3. Setzen Sie, wo nötig, die richtige Verbform ein.</translation>
    </message>
    <message>
        <source>4. Put in the missing word. (Antonyms)</source>
        <translation>4. Ergänzen Sie das fehlende Wort. (Antonyme)</translation>
    </message>
</context>
<context>
    <name>Sobre</name>
    <message>
        <source>  About Tarvo!</source>
        <translation>  Über Tarvo!</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>(%1     Hungarian as a foreign language)</source>
        <extracomment>%1 is the Hungarian for the same, which stays as it is</extracomment>
        <translation>(%1     Ungarisch als Fremdsprache)</translation>
    </message>
    <message>
        <source>On the basis of the book: Kelvora!  </source>
        <translation>Auf der Grundlage des Buches: Kelvora!  </translation>
    </message>
    <message>
        <source>The Tarvo team
Budapest, 2026</source>
        <translation>Das Tarvo-Team
Budapest, 2026</translation>
    </message>
    <message>
        <source>For more information click here:</source>
        <translation>Mehr Informationen: hier klicken</translation>
    </message>
    <message>
        <source>More information</source>
        <translation>Weitere Informationen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>     This program is the first (trial) version of one component of a complex multimedia software package that the Tarvo team is developing on the basis of &quot;Kelvora!&quot;, a textbook of Hungarian for foreigners.</source>
        <translation>     Dieses Programm ist die erste (Test-)Version eines Bausteins aus einem umfassenden Multimedia-Softwarepaket, das das Tarvo-Team auf der Grundlage von „Kelvora!“, einem Ungarischlehrbuch für Ausländer, entwickelt.</translation>
    </message>
    <message>
        <source>     It covers part D of lesson 1 of the book: the definite article, questions and answers, the verb &quot;to be&quot;, antonyms and the first words, with the Hungarian letters typed on an English keyboard.</source>
        <translation>     Es behandelt Teil D von Lektion 1 des Buches: den bestimmten Artikel, Fragen und Antworten, das Verb „sein“, Antonyme und die ersten Wörter, wobei die ungarischen Buchstaben auf einer englischen Tastatur getippt werden.</translation>
    </message>
    <message>
        <source>     If you have any remark or suggestion, or you just want to let us know you are using the program, please contact me:  </source>
        <translation>     Wenn Sie Anmerkungen oder Vorschläge haben oder uns einfach wissen lassen möchten, dass Sie das Programm benutzen, schreiben Sie mir bitte:  </translation>
    </message>
    <message>
        <source>About Tarvo!</source>
        <translation>Über Tarvo!</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>No Hungarian voice: install speech-dispatcher, speech-dispatcher-espeak-ng and qt6-speech-speechd-plugin to hear Hungarian.</source>
        <translation>Keine ungarische Stimme: Installieren Sie speech-dispatcher, speech-dispatcher-espeak-ng und qt6-speech-speechd-plugin, um Ungarisch zu hören.</translation>
    </message>
</context>
<context>
    <name>WindowServices</name>
    <message>
        <source>This desktop does not let a program keep its window above the others.</source>
        <translation>Dieser Desktop erlaubt es keinem Programm, sein Fenster im Vordergrund zu halten.</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>Pictures not in the word list&apos;s folder: %1</source>
        <translation>Bilder außerhalb des Ordners der Wortliste: %1</translation>
    </message>
    <message>
        <source>Pictures on the web: %1</source>
        <translation>Bilder im Internet: %1</translation>
    </message>
    <message>
        <source>Files that are not pictures: %1</source>
        <translation>Dateien, die keine Bilder sind: %1</translation>
    </message>
    <message>
        <source>Pictures over 5 MB: %1</source>
        <translation>Bilder über 5 MB: %1</translation>
    </message>
    <message>
        <source>Pictures over 4,000 pixels wide or high: %1</source>
        <translation>Bilder über 4.000 Pixel breit oder hoch: %1</translation>
    </message>
    <message>
        <source>Inactive entries skipped: %1</source>
        <translation>Übersprungene inaktive Einträge: %1</translation>
    </message>
    <message>
        <source>Entries without a Hungarian word: %1</source>
        <translation>Einträge ohne ungarisches Wort: %1</translation>
    </message>
    <message>
        <source>Entries with no translation, definition or picture: %1</source>
        <translation>Einträge ohne Übersetzung, Erklärung oder Bild: %1</translation>
    </message>
    <message>
        <source>Entries with a text over 500 characters: %1</source>
        <translation>Einträge mit einem Text über 500 Zeichen: %1</translation>
    </message>
    <message>
        <source>Duplicate words merged: %1</source>
        <translation>Zusammengeführte doppelte Wörter: %1</translation>
    </message>
    <message>
        <source>Texts with control characters removed: %1</source>
        <translation>Texte, aus denen Steuerzeichen entfernt wurden: %1</translation>
    </message>
    <message>
        <source>%1: the file does not exist</source>
        <translation>%1: Die Datei gibt es nicht</translation>
    </message>
    <message>
        <source>%1: this is a folder, not a word list</source>
        <translation>%1: Das ist ein Ordner, keine Wortliste</translation>
    </message>
    <message>
        <source>%1: this is not a file that can be read</source>
        <translation>%1: Das ist keine Datei, die gelesen werden kann</translation>
    </message>
    <message>
        <source>%1: the file is larger than 50 MB</source>
        <translation>%1: Die Datei ist größer als 50 MB</translation>
    </message>
    <message>
        <source>%1: the file cannot be read (%2)</source>
        <translation>%1: Die Datei kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1: the list has more than %2 lessons</source>
        <translation>%1: Die Liste hat mehr als %2 Lektionen</translation>
    </message>
    <message>
        <source>%1: the list has more than %2 words</source>
        <translation>%1: Die Liste hat mehr als %2 Wörter</translation>
    </message>
    <message>
        <source>%1: the list has no words to practise</source>
        <translation>%1: Die Liste hat keine Wörter zum Üben</translation>
    </message>
    <message>
        <source>%1: the file is not UTF-8, and this system cannot read it as Windows-1250</source>
        <translation>%1: Die Datei ist nicht in UTF-8, und dieses System kann sie nicht als Windows-1250 lesen</translation>
    </message>
    <message>
        <source>%1: the list has only one column; it needs a second one with the translations</source>
        <translation>%1: Die Liste hat nur eine Spalte; sie braucht die ungarischen Wörter und daneben, wonach gefragt wird</translation>
    </message>
    <message>
        <source>%1: the file declares entities of its own, which Tarvo does not read</source>
        <translation>%1: Die Datei deklariert eigene Entitäten, die Tarvo nicht liest</translation>
    </message>
    <message>
        <source>%1: this is not a KVTML 2 word list</source>
        <translation>%1: Das ist keine Wortliste im Format KVTML 2</translation>
    </message>
    <message>
        <source>%1, line %2, column %3: %4</source>
        <translation>%1, Zeile %2, Spalte %3: %4</translation>
    </message>
    <message>
        <source>%1: the list names no languages</source>
        <translation>%1: Die Liste nennt keine Sprachen</translation>
    </message>
    <message>
        <source>%1: no language of the list is Hungarian (languages found: %2)</source>
        <translation>%1: Keine Sprache der Liste ist Ungarisch (gefundene Sprachen: %2)</translation>
    </message>
</context>
</TS>
