<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs_CZ">
<context>
    <name>Asker</name>
    <message>
        <source>Ano</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Ne</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message>
        <source>Soubor %1 již existuje. Přepsat?</source>
        <translation>The file %1 already exists. Overwrite it?</translation>
    </message>
</context>
<context>
    <name>Overview</name>
    <message>
        <source>Datum a čas</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Jméno</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Příkladů</source>
        <translation>Examples</translation>
    </message>
    <message>
        <source>Správně</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Chybně</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>Nezodpovězeno</source>
        <translation>Unanswered</translation>
    </message>
    <message>
        <source>Úspěšnost</source>
        <translation>Success rate</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Čas úkolu</source>
        <translation>Time taken</translation>
    </message>
    <message>
        <source>Operátory</source>
        <translation>Operators</translation>
    </message>
    <message>
        <source>Řada 1</source>
        <translation>Range 1</translation>
    </message>
    <message>
        <source>Řada 2</source>
        <translation>Range 2</translation>
    </message>
    <message>
        <source>Desetinná místa</source>
        <translation>Decimal places</translation>
    </message>
    <message>
        <source>Vzorce</source>
        <translation>Templates</translation>
    </message>
    <message>
        <source>%1 až %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>(bez jména)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source> až </source>
        <translation> to </translation>
    </message>
    <message>
        <source>Žádný zaznamenaný běh zkoušení.</source>
        <translation>No test runs recorded yet.</translation>
    </message>
    <message>
        <source>Běhů: %1    Průměrná úspěšnost: %2    Nejlepší: %3</source>
        <translation>Runs: %1    Average success rate: %2    Best: %3</translation>
    </message>
    <message>
        <source>Žáků: %1    </source>
        <translation>Pupils: %1    </translation>
    </message>
    <message>
        <source>zatím nelze určit</source>
        <translation>not clear yet</translation>
    </message>
    <message>
        <source>zlepšuje se</source>
        <translation>improving</translation>
    </message>
    <message>
        <source>beze změny</source>
        <translation>steady</translation>
    </message>
    <message>
        <source>zhoršuje se</source>
        <translation>getting worse</translation>
    </message>
    <message>
        <source> (%1%2 p. b. na běh)</source>
        <translation> (%1%2 percentage points per run)</translation>
    </message>
    <message>
        <source>    Trend posledních 5 běhů: </source>
        <translation>    Trend over the last 5 runs: </translation>
    </message>
    <message>
        <source>    (nečitelných řádků v historii: %1)</source>
        <translation>    (unreadable lines in the history: %1)</translation>
    </message>
    <message>
        <source>Úspěšnost a body: %1</source>
        <translation>Success rate and points: %1</translation>
    </message>
    <message>
        <source>Body všech žáků</source>
        <translation>Points of all pupils</translation>
    </message>
    <message>
        <source>Úspěšnost všech žáků</source>
        <translation>Success rate of all pupils</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>Odfiltruje zvolenou hodnotu z výsledku</source>
        <translation>Leaves out results equal to the chosen value</translation>
    </message>
    <message>
        <source>Všechny hodnoty budou větší než zvolená</source>
        <translation>All results will be greater than the chosen value</translation>
    </message>
    <message>
        <source>Všechny hodnoty budou menší než zvolená</source>
        <translation>All results will be less than the chosen value</translation>
    </message>
    <message>
        <source>Odfiltruje rozdílné hodnoty,než zvolená</source>
        <translation>Keeps only results equal to the chosen value</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>%1 je odkaz</source>
        <translation>%1 is a link</translation>
    </message>
    <message>
        <source>%1 není složka</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>%1 patří jinému uživateli</source>
        <translation>%1 belongs to another user</translation>
    </message>
    <message>
        <source>%1 je přístupná i jiným uživatelům</source>
        <translation>%1 is open to other users as well</translation>
    </message>
    <message>
        <source>Bez ochrany proti druhému spuštění: %1</source>
        <translation>No protection against starting a second copy: %1</translation>
    </message>
</context>
<context>
    <name>PrintedSheet</name>
    <message>
        <source>správně</source>
        <translation>right</translation>
    </message>
    <message>
        <source>chyba</source>
        <translation>mistake</translation>
    </message>
    <message>
        <source>nevyřešeno</source>
        <translation>unsolved</translation>
    </message>
    <message>
        <source>strana %1 / %2</source>
        <translation>page %1 / %2</translation>
    </message>
    <message>
        <source>klíč – </source>
        <translation>key – </translation>
    </message>
    <message>
        <source>Jméno:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Třída:</source>
        <translation>Class:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Klíč správných výsledků</source>
        <translation>Answer key</translation>
    </message>
    <message>
        <source>Správně : %1    Nevyřešeno : %2    Chyby : %3</source>
        <translation>Right : %1    Unsolved : %2    Mistakes : %3</translation>
    </message>
    <message>
        <source>Zkontrolováno : </source>
        <translation>Checked : </translation>
    </message>
</context>
<context>
    <name>TClassWindow</name>
    <message>
        <source>sčítání</source>
        <translation>addition</translation>
    </message>
    <message>
        <source>odčítání</source>
        <translation>subtraction</translation>
    </message>
    <message>
        <source>násobení</source>
        <translation>multiplication</translation>
    </message>
    <message>
        <source>dělení beze zbytku</source>
        <translation>division without remainder</translation>
    </message>
    <message>
        <source>dělení se zbytkem</source>
        <translation>division with remainder</translation>
    </message>
    <message>
        <source>mocniny</source>
        <translation>powers</translation>
    </message>
    <message>
        <source>odmocniny</source>
        <translation>square roots</translation>
    </message>
    <message>
        <source>příklady se závorkami a více operacemi</source>
        <translation>examples with brackets or several operations</translation>
    </message>
    <message>
        <source>do 10</source>
        <translation>up to 10</translation>
    </message>
    <message>
        <source>do 100</source>
        <translation>up to 100</translation>
    </message>
    <message>
        <source>do 1000</source>
        <translation>up to 1000</translation>
    </message>
    <message>
        <source>nad 1000</source>
        <translation>over 1000</translation>
    </message>
    <message>
        <source>desetinná čísla</source>
        <translation>decimals</translation>
    </message>
    <message>
        <source>%1, %2: %3 chybně (%4 z %5)</source>
        <translation>%1, %2: %3 wrong (%4 of %5)</translation>
    </message>
    <message>
        <source>opraveno</source>
        <translation>corrected</translation>
    </message>
    <message>
        <source>opraveno dříve</source>
        <translation>corrected before</translation>
    </message>
    <message>
        <source>prázdný list</source>
        <translation>empty sheet</translation>
    </message>
    <message>
        <source>nelze opravit: %1</source>
        <translation>cannot correct: %1</translation>
    </message>
    <message>
        <source>Žák</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Správně</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Chybně</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>Nevyřešeno</source>
        <translation>Unsolved</translation>
    </message>
    <message>
        <source>Úspěšnost</source>
        <translation>Success rate</translation>
    </message>
    <message>
        <source>Zkontrolováno</source>
        <translation>Checked</translation>
    </message>
    <message>
        <source>Soubor</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Stav</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Celá třída</source>
        <translation>Whole class</translation>
    </message>
    <message>
        <source>&amp;Varianty pro žáky</source>
        <translation>&amp;Sheets for pupils</translation>
    </message>
    <message>
        <source>&amp;Oprava složky</source>
        <translation>&amp;Correct a folder</translation>
    </message>
    <message>
        <source>Průběh</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;top</translation>
    </message>
    <message>
        <source>Zastaví práci; hotové soubory zůstanou celé, ostatní beze změny</source>
        <translation>Stops the work; finished files stay whole, the others unchanged</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Pro každé &amp;jméno ze seznamu jmen (%1)</source>
        <translation>One for every &amp;name in the names list (%1)</translation>
    </message>
    <message>
        <source>Jeden list pro každé jméno ze seznamu jmen</source>
        <translation>One sheet for every name in the names list</translation>
    </message>
    <message>
        <source>&amp;Bez jmen, počet listů :</source>
        <translation>&amp;Without names, number of sheets :</translation>
    </message>
    <message>
        <source>Listy bez jmen; žák napíše své jméno za „Žák:“</source>
        <translation>Sheets without names; the pupil writes a name after “Žák:”</translation>
    </message>
    <message>
        <source>Počet listů bez jmen</source>
        <translation>Number of sheets without names</translation>
    </message>
    <message>
        <source>Kolik listů bez jmen vytvořit</source>
        <translation>How many sheets without names to make</translation>
    </message>
    <message>
        <source>Seznam jmen</source>
        <translation>Names list</translation>
    </message>
    <message>
        <source>Semínko</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>Stejné semínko se stejnými parametry dá stejné listy; ztracený list tak vznikne znovu</source>
        <translation>The same seed with the same settings makes the same sheets, so a lost sheet can be made again</translation>
    </message>
    <message>
        <source>&amp;Semínko :</source>
        <translation>S&amp;eed :</translation>
    </message>
    <message>
        <source>&amp;Nové</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Nové semínko podle hodin</source>
        <translation>A new seed from the clock</translation>
    </message>
    <message>
        <source>Složka pro listy</source>
        <translation>Folder for the sheets</translation>
    </message>
    <message>
        <source>Do této složky se uloží soubor pro každého žáka</source>
        <translation>A file for every pupil is saved in this folder</translation>
    </message>
    <message>
        <source>Slo&amp;žka :</source>
        <translation>&amp;Folder :</translation>
    </message>
    <message>
        <source>Vybrat…</source>
        <translation>Choose…</translation>
    </message>
    <message>
        <source>Vybrat složku pro listy</source>
        <translation>Choose the folder for the sheets</translation>
    </message>
    <message>
        <source>&amp;Uložit listy do složky</source>
        <translation>Save sheets to the fo&amp;lder</translation>
    </message>
    <message>
        <source>Vytvoří pro každého žáka vlastní list se svými příklady</source>
        <translation>Makes every pupil a sheet with examples of their own</translation>
    </message>
    <message>
        <source>&amp;Tisk a PDF všech listů…</source>
        <translation>&amp;Print or PDF of all sheets…</translation>
    </message>
    <message>
        <source>Všechny listy v jednom náhledu a jednom PDF, každý od nové strany, s klíči</source>
        <translation>All sheets in one preview and one PDF, each on a new page, with answer keys</translation>
    </message>
    <message>
        <source>Pro koho</source>
        <translation>For whom</translation>
    </message>
    <message>
        <source>Příkladů na listu :</source>
        <translation>Examples per sheet :</translation>
    </message>
    <message>
        <source>%1 (podle zadaných parametrů)</source>
        <translation>%1 (from the current settings)</translation>
    </message>
    <message>
        <source>Složka s vrácenými listy</source>
        <translation>Folder of returned sheets</translation>
    </message>
    <message>
        <source>Složka se soubory .nlx, které žáci vyplnili</source>
        <translation>The folder with the .nlx files the pupils filled in</translation>
    </message>
    <message>
        <source>Vybrat složku s vrácenými listy</source>
        <translation>Choose the folder of returned sheets</translation>
    </message>
    <message>
        <source>O&amp;pravit složku</source>
        <translation>C&amp;orrect folder</translation>
    </message>
    <message>
        <source>Opraví každý list složky jako Vypočítat; opravené dříve jen přečte</source>
        <translation>Corrects every sheet of the folder as Compute does; reads the ones corrected before</translation>
    </message>
    <message>
        <source>Tabulka třídy</source>
        <translation>Class table</translation>
    </message>
    <message>
        <source>Co třídě nejde</source>
        <translation>What the class gets wrong</translation>
    </message>
    <message>
        <source>Co třídě &amp;nejde nejvíc :</source>
        <translation>What the class gets &amp;wrong most :</translation>
    </message>
    <message>
        <source>Graf úspěšnosti žáků</source>
        <translation>Chart of the pupils’ success rates</translation>
    </message>
    <message>
        <source>&amp;Export do CSV…</source>
        <translation>&amp;Export to CSV…</translation>
    </message>
    <message>
        <source>Uloží tabulku třídy do souboru CSV</source>
        <translation>Saves the class table as a CSV file</translation>
    </message>
    <message>
        <source>T&amp;isk a PDF tabulky…</source>
        <translation>Pr&amp;int or PDF of the table…</translation>
    </message>
    <message>
        <source>Vytiskne tabulku třídy a co třídě nejde</source>
        <translation>Prints the class table and what the class gets wrong</translation>
    </message>
    <message>
        <source>Varianta %1</source>
        <translation>Sheet %1</translation>
    </message>
    <message>
        <source>Tato jména nejsou platné názvy souborů, žádný list nebyl uložen: %1</source>
        <translation>These names are not valid file names, so no sheet was saved: %1</translation>
    </message>
    <message>
        <source>Složka %1 neexistuje.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>Ve složce %1 už jsou soubory: %2. Přepsat je?</source>
        <translation>The folder %1 already holds these files: %2. Replace them?</translation>
    </message>
    <message>
        <source>Uloženo listů: %1 z %2</source>
        <translation>Sheets saved: %1 of %2</translation>
    </message>
    <message>
        <source>Tisk listů celé třídy</source>
        <translation>Printing the whole class’s sheets</translation>
    </message>
    <message>
        <source>Listy třídy</source>
        <translation>Class sheets</translation>
    </message>
    <message>
        <source>Ve složce není žádný list (.nlx).</source>
        <translation>There is no sheet (.nlx) in the folder.</translation>
    </message>
    <message>
        <source>Zastaveno: opraveno listů %1 z %2.</source>
        <translation>Stopped: %1 of %2 sheets corrected.</translation>
    </message>
    <message>
        <source>Hotovo: listů %1 z %2.</source>
        <translation>Done: %1 of %2 sheets.</translation>
    </message>
    <message>
        <source>Nelze opravit: %1 (viz sloupec Stav).</source>
        <translation>Could not correct: %1 (see the Status column).</translation>
    </message>
    <message>
        <source>Žádná chyba.</source>
        <translation>No mistakes.</translation>
    </message>
    <message>
        <source>Úspěšnost (%)</source>
        <translation>Success rate (%)</translation>
    </message>
    <message>
        <source>Úspěšnost žáků</source>
        <translation>Pupils’ success rates</translation>
    </message>
    <message>
        <source>Soubor CSV(*.csv)|*.csv</source>
        <translation>CSV file(*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Třída</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Co třídě nejde nejvíc</source>
        <translation>What the class gets wrong most</translation>
    </message>
    <message>
        <source>Tisk tabulky třídy</source>
        <translation>Printing the class table</translation>
    </message>
    <message>
        <source>Uložit jako PDF</source>
        <translation>Save as PDF</translation>
    </message>
</context>
<context>
    <name>TNumlet</name>
    <message>
        <source>Průběh generování příkladu</source>
        <translation>Progress of generating the example</translation>
    </message>
    <message>
        <source>Vložený výsledek / Počet cyklů</source>
        <translation>Entered result / Number of cycles</translation>
    </message>
    <message>
        <source>Počet příkladů / Výsledné časy / Rozklad</source>
        <translation>Number of examples / Times / Breakdown</translation>
    </message>
    <message>
        <source>Správný výsledek</source>
        <translation>Correct result</translation>
    </message>
    <message>
        <source>Rozsah [ 1 ] čísla : </source>
        <translation>Range [ 1 ] : </translation>
    </message>
    <message>
        <source>Zamkne horní hodnotu čísla</source>
        <translation>Locks the number at its upper bound</translation>
    </message>
    <message>
        <source>Zakázat řadě vygenerovat desetinnou část</source>
        <translation>Keep this number whole (no decimal part)</translation>
    </message>
    <message>
        <source>Rozsah [ 2 ] čísla : </source>
        <translation>Range [ 2 ] : </translation>
    </message>
    <message>
        <source>Rozsah [ 3 ] čísla : </source>
        <translation>Range [ 3 ] : </translation>
    </message>
    <message>
        <source>Rozsah [ 4 ] čísla : </source>
        <translation>Range [ 4 ] : </translation>
    </message>
    <message>
        <source>Rozsah [ 5 ] čísla :</source>
        <translation>Range [ 5 ] :</translation>
    </message>
    <message>
        <source>Vybráno : 100 příkladů</source>
        <translation>Selected : 100 examples</translation>
    </message>
    <message>
        <source> 1. op :</source>
        <translation> Op. 1 :</translation>
    </message>
    <message>
        <source>2. op :           3. op :            4. op :</source>
        <translation>Op. 2 :          Op. 3 :           Op. 4 :</translation>
    </message>
    <message>
        <source>Operátor</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Desetinná čísla</source>
        <translation>Decimals</translation>
    </message>
    <message>
        <source>Desetiny</source>
        <translation>Tenths</translation>
    </message>
    <message>
        <source>Setiny</source>
        <translation>Hundredths</translation>
    </message>
    <message>
        <source>Jen kladné výsledky</source>
        <translation>Positive results only</translation>
    </message>
    <message>
        <source>Jen záporné výsledky</source>
        <translation>Negative results only</translation>
    </message>
    <message>
        <source>Výsledek beze zbytku</source>
        <translation>Whole-number results</translation>
    </message>
    <message>
        <source>Pouze sčítání a odčítání</source>
        <translation>Addition and subtraction only</translation>
    </message>
    <message>
        <source>Nabídka vzorců</source>
        <translation>Choice of templates</translation>
    </message>
    <message>
        <source>Náhodný výběr z       vzorců</source>
        <translation>Random of first</translation>
    </message>
    <message>
        <source>Počet vzorců ke generování [ max. 13 ]</source>
        <translation>Number of templates to pick from [ max. 13 ]</translation>
    </message>
    <message>
        <source>Vygenerovat další příklad</source>
        <translation>Generate the next example</translation>
    </message>
    <message>
        <source>Nastavení</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source> Výsledky </source>
        <translation> Results </translation>
    </message>
    <message>
        <source>Celkový počet příkladů :</source>
        <translation>Total examples :</translation>
    </message>
    <message>
        <source>Počet správných odpovědí :</source>
        <translation>Right answers :</translation>
    </message>
    <message>
        <source>Počet chybných odpovědí :</source>
        <translation>Wrong answers :</translation>
    </message>
    <message>
        <source>Zbývá zodpovědět :</source>
        <translation>Still to answer :</translation>
    </message>
    <message>
        <source>Úspěšnost :</source>
        <translation>Success rate :</translation>
    </message>
    <message>
        <source>Čas úkolu :</source>
        <translation>Time taken :</translation>
    </message>
    <message>
        <source>Body :</source>
        <translation>Points :</translation>
    </message>
    <message>
        <source>Výpis příkladů</source>
        <translation>Example log</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Přerušení  zkoušení</source>
        <translation>Stop the test</translation>
    </message>
    <message>
        <source>Uloží výpis příkladů do souboru</source>
        <translation>Saves the example log to a file</translation>
    </message>
    <message>
        <source>Přehled výsledků žáka</source>
        <translation>Overview of the pupil&apos;s results</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Zahájení zkoušení</source>
        <translation>Start the test</translation>
    </message>
    <message>
        <source>-  Sčítání</source>
        <translation>-  Addition</translation>
    </message>
    <message>
        <source>-  Odčítání</source>
        <translation>-  Subtraction</translation>
    </message>
    <message>
        <source>-  Násobení</source>
        <translation>-  Multiplication</translation>
    </message>
    <message>
        <source>-  Dělení se zbytkem, i beze zbytku</source>
        <translation>-  Division with or without a remainder</translation>
    </message>
    <message>
        <source>-  Umocňování</source>
        <translation>-  Powers</translation>
    </message>
    <message>
        <source>-  Odmocňování</source>
        <translation>-  Square roots</translation>
    </message>
    <message>
        <source>-  Desetinná čísla u zvolené řady</source>
        <translation>-  Decimals in any chosen number</translation>
    </message>
    <message>
        <source>-  Příklady se složenými závorkami</source>
        <translation>-  Examples with nested brackets</translation>
    </message>
    <message>
        <source>-  Řešení příkladů ve zvoleném časovém limitu</source>
        <translation>-  Solving examples within a chosen time limit</translation>
    </message>
    <message>
        <source>-  Pevné nastavení i střídání operandů</source>
        <translation>-  Fixed or alternating operands</translation>
    </message>
    <message>
        <source>-  Omezit zadání na příklady s kladným či záporným výsledkem</source>
        <translation>-  Examples with only positive or only negative results</translation>
    </message>
    <message>
        <source>-  Rozsah generovaných čísel od záporných po kladné</source>
        <translation>-  Numbers from negative to positive</translation>
    </message>
    <message>
        <source>-  Garance neopakujících se příkladů jdoucích po sobě</source>
        <translation>-  The same example never comes twice in a row</translation>
    </message>
    <message>
        <source>-  Regulace výstupu příkladů dle požadovaného výsledku</source>
        <translation>-  Examples chosen by the result you want</translation>
    </message>
    <message>
        <source>-  Omezení výběru vzorců pro generování</source>
        <translation>-  Limit which templates are used</translation>
    </message>
    <message>
        <source>-  Generování příkladů pro externí využití s možností </source>
        <translation>-  Examples made for use outside the program, </translation>
    </message>
    <message>
        <source>   jejich automatické opravy a zobrazení výsledků</source>
        <translation>   which it can mark automatically and show the results</translation>
    </message>
    <message>
        <source>-  Grafické i zvukové efekty</source>
        <translation>-  Picture and sound effects</translation>
    </message>
    <message>
        <source>-  Výrazová kalkulačka</source>
        <translation>-  Expression calculator</translation>
    </message>
    <message>
        <source>Povolit zobrazování vlastních obrázků</source>
        <translation>Show your own pictures</translation>
    </message>
    <message>
        <source>Zvuková signalizace</source>
        <translation>Sound signals</translation>
    </message>
    <message>
        <source>Zobrazovat výsledky</source>
        <translation>Show results</translation>
    </message>
    <message>
        <source>Zapisovat všechny příklady</source>
        <translation>Log all examples</translation>
    </message>
    <message>
        <source>Limitovaná odpověď</source>
        <translation>Time-limited answer</translation>
    </message>
    <message>
        <source>Odfiltrovat &quot;0&quot; ze zadání</source>
        <translation>Leave &quot;0&quot; out of the examples</translation>
    </message>
    <message>
        <source>Domácí stránka programu</source>
        <translation>Program home page</translation>
    </message>
    <message>
        <source>Formát zobrazení výsledků</source>
        <translation>Result display format</translation>
    </message>
    <message>
        <source>Zpřístupnit vzorce</source>
        <translation>Make the templates available</translation>
    </message>
    <message>
        <source>Složka s obrázky</source>
        <translation>Picture folder</translation>
    </message>
    <message>
        <source>Hranice generovacího procesu: 1000</source>
        <translation>Generation limit: 1000</translation>
    </message>
    <message>
        <source>Délka prodlevy na odpověd</source>
        <translation>Time allowed for each answer</translation>
    </message>
    <message>
        <source>Písmo panelu :</source>
        <translation>Panel font :</translation>
    </message>
    <message>
        <source>Písma</source>
        <translation>Fonts</translation>
    </message>
    <message>
        <source>Arial</source>
        <translation>Arial</translation>
    </message>
    <message>
        <source>Exponent :</source>
        <translation>Exponent :</translation>
    </message>
    <message>
        <source>Hodnota exponentu</source>
        <translation>Exponent value</translation>
    </message>
    <message>
        <source>Filtr výsledků : </source>
        <translation>Result filter : </translation>
    </message>
    <message>
        <source>Akce filtru</source>
        <translation>Filter action</translation>
    </message>
    <message>
        <source>Hodnota filtru</source>
        <translation>Filter value</translation>
    </message>
    <message>
        <source>Vzorce :</source>
        <translation>Templates :</translation>
    </message>
    <message>
        <source>Blokovat zpomalující akce </source>
        <translation>Skip slow screen updates </translation>
    </message>
    <message>
        <source>Formátovat příklady pro tisk</source>
        <translation>Format examples for print</translation>
    </message>
    <message>
        <source>Zobrazovat info. o průběhu</source>
        <translation>Show progress details</translation>
    </message>
    <message>
        <source>Ukládat aktuální konfiguraci</source>
        <translation>Save current settings</translation>
    </message>
    <message>
        <source>Postupný výběr obrázků</source>
        <translation>Pictures in order</translation>
    </message>
    <message>
        <source>Zobrazovat čísla obrázků</source>
        <translation>Show picture numbers</translation>
    </message>
    <message>
        <source>Počítat v reálném čase</source>
        <translation>Calculate in real time</translation>
    </message>
    <message>
        <source>Zapojit logická omezení</source>
        <translation>Apply logical rules</translation>
    </message>
    <message>
        <source>Exponent z daného rozsahu</source>
        <translation>Exponent from a range</translation>
    </message>
    <message>
        <source>Barevná syntaxe vzorců</source>
        <translation>Colour-coded templates</translation>
    </message>
    <message>
        <source>Rozšíření vzorců o mocniny</source>
        <translation>Add powers to templates</translation>
    </message>
    <message>
        <source>Filtr výsledků dle zadání</source>
        <translation>Use the result filter</translation>
    </message>
    <message>
        <source>Mazat generované příklady</source>
        <translation>Clear list before generating</translation>
    </message>
    <message>
        <source>   Příklady </source>
        <translation>   Examples </translation>
    </message>
    <message>
        <source>Jméno :</source>
        <translation>Name :</translation>
    </message>
    <message>
        <source>Zkontrolováno : </source>
        <translation>Checked : </translation>
    </message>
    <message>
        <source>Správně :</source>
        <translation>Right :</translation>
    </message>
    <message>
        <source>Nevyřešeno :</source>
        <translation>Unsolved :</translation>
    </message>
    <message>
        <source>Chyby :</source>
        <translation>Mistakes:</translation>
    </message>
    <message>
        <source>Vygeneruje nové příklady</source>
        <translation>Generates new examples</translation>
    </message>
    <message>
        <source>Vypočítá uvedené příklady</source>
        <translation>Works out and checks the listed examples</translation>
    </message>
    <message>
        <source>Smaže všechny příklady</source>
        <translation>Deletes all examples</translation>
    </message>
    <message>
        <source>Otevře soubor s příklady</source>
        <translation>Opens a file of examples</translation>
    </message>
    <message>
        <source>Uloží příklady do souboru</source>
        <translation>Saves the examples to a file</translation>
    </message>
    <message>
        <source>Vyexportuje příklady</source>
        <translation>Exports the examples</translation>
    </message>
    <message>
        <source>Tisk a PDF pracovního listu</source>
        <translation>Print the worksheet or save it as PDF</translation>
    </message>
    <message>
        <source>Jméno zkoušeného/souboru</source>
        <translation>Name of the pupil/file</translation>
    </message>
    <message>
        <source>Kalkulačka</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Fyz. paměť: </source>
        <translation>Memory: </translation>
    </message>
    <message>
        <source>To je správné řešení !!!</source>
        <translation>That&apos;s right!!!</translation>
    </message>
    <message>
        <source>To je špatné řešení !!!</source>
        <translation>That&apos;s wrong!!!</translation>
    </message>
    <message>
        <source>Překročena hranice generovacího procesu</source>
        <translation>Generation limit exceeded</translation>
    </message>
    <message>
        <source>Hranice generovacího procesu: %1</source>
        <translation>Generation limit: %1</translation>
    </message>
    <message>
        <source>Vybráno : %1 příkladů</source>
        <translation>Selected : %1 examples</translation>
    </message>
    <message>
        <source>Nalezeno %1 obrázků</source>
        <translation>Found %1 pictures</translation>
    </message>
    <message>
        <source>Tisk pracovního listu</source>
        <translation>Print worksheet</translation>
    </message>
    <message>
        <source>Přiložit klíč správných výsledků</source>
        <translation>Include the answer key</translation>
    </message>
    <message>
        <source>Uložit jako PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Tisk na tiskárnu %1 se nezdařil.</source>
        <translation>Printing on %1 failed.</translation>
    </message>
    <message>
        <source>Sestavuji příklady dle zadaných parametrů...</source>
        <translation>Building examples from your settings...</translation>
    </message>
    <message>
        <source>Počítám zadané příklady...</source>
        <translation>Working out the examples...</translation>
    </message>
    <message>
        <source>Exportuji uvedené příklady...</source>
        <translation>Exporting the examples...</translation>
    </message>
    <message>
        <source>&amp;Jazyk :</source>
        <translation>&amp;Lang. :</translation>
    </message>
    <message>
        <source>Jazyk programu; změní se při příštím spuštění</source>
        <translation>Program language; changes at the next start</translation>
    </message>
    <message>
        <source>Dolní mez %1. čísla</source>
        <translation>Lower bound of number %1</translation>
    </message>
    <message>
        <source>Horní mez %1. čísla</source>
        <translation>Upper bound of number %1</translation>
    </message>
    <message>
        <source>Zamknout horní mez %1. čísla</source>
        <translation>Lock the upper bound of number %1</translation>
    </message>
    <message>
        <source>Bez desetinné části %1. čísla</source>
        <translation>No decimal part for number %1</translation>
    </message>
    <message>
        <source>%1. operátor</source>
        <translation>Operator %1</translation>
    </message>
    <message>
        <source>Vzorec %1: %2</source>
        <translation>Template %1: %2</translation>
    </message>
    <message>
        <source>Odpověď</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Průběh zkoušení</source>
        <translation>Test progress</translation>
    </message>
    <message>
        <source>Kontrolní výpočet</source>
        <translation>Check calculation</translation>
    </message>
    <message>
        <source>Počet příkladů zkoušení</source>
        <translation>Number of examples in the test</translation>
    </message>
    <message>
        <source>Náhodný výběr vzorců</source>
        <translation>Random choice of templates</translation>
    </message>
    <message>
        <source>Další příklad</source>
        <translation>Next example</translation>
    </message>
    <message>
        <source>Uložit výpis příkladů</source>
        <translation>Save the example log</translation>
    </message>
    <message>
        <source>Vlastnosti programu</source>
        <translation>Program features</translation>
    </message>
    <message>
        <source>Vlastní obrázky</source>
        <translation>Your own pictures</translation>
    </message>
    <message>
        <source>Odfiltrovat nuly ze zadání</source>
        <translation>Leave zeros out of the examples</translation>
    </message>
    <message>
        <source>Hranice generovacího procesu</source>
        <translation>Generation limit</translation>
    </message>
    <message>
        <source>Délka prodlevy na odpověď</source>
        <translation>Time allowed for each answer</translation>
    </message>
    <message>
        <source>Písmo panelu</source>
        <translation>Panel font</translation>
    </message>
    <message>
        <source>Exponent</source>
        <translation>Exponent</translation>
    </message>
    <message>
        <source>Obrázek</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Akce filtru výsledků</source>
        <translation>Result filter action</translation>
    </message>
    <message>
        <source>Hodnota filtru výsledků</source>
        <translation>Result filter value</translation>
    </message>
    <message>
        <source>Počet vzorců ke generování</source>
        <translation>Number of templates to pick from</translation>
    </message>
    <message>
        <source>Jazyk</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Pracovní list</source>
        <translation>Worksheet</translation>
    </message>
    <message>
        <source>Vygenerovat příklady</source>
        <translation>Generate examples</translation>
    </message>
    <message>
        <source>Vypočítat příklady</source>
        <translation>Work out examples</translation>
    </message>
    <message>
        <source>Smazat příklady</source>
        <translation>Delete examples</translation>
    </message>
    <message>
        <source>Otevřít soubor s příklady</source>
        <translation>Open a file of examples</translation>
    </message>
    <message>
        <source>Uložit příklady do souboru</source>
        <translation>Save the examples to a file</translation>
    </message>
    <message>
        <source>Exportovat příklady</source>
        <translation>Export examples</translation>
    </message>
    <message>
        <source>Jméno žáka</source>
        <translation>Pupil&apos;s name</translation>
    </message>
    <message>
        <source>Stavový řádek</source>
        <translation>Status bar</translation>
    </message>
    <message>
        <source>Zastavit</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Výraz kalkulačky</source>
        <translation>Calculator expression</translation>
    </message>
    <message>
        <source>%1: nabídka</source>
        <translation>%1: list</translation>
    </message>
    <message>
        <source>Příklad</source>
        <translation>Example</translation>
    </message>
    <message>
        <source>Vložený výsledek</source>
        <translation>Entered result</translation>
    </message>
    <message>
        <source>Počet příkladů a časy</source>
        <translation>Number of examples and times</translation>
    </message>
    <message>
        <source>Údaje o příkladu</source>
        <translation>Example details</translation>
    </message>
    <message>
        <source>Celkový počet příkladů</source>
        <translation>Total number of examples</translation>
    </message>
    <message>
        <source>Počet správných odpovědí</source>
        <translation>Number of right answers</translation>
    </message>
    <message>
        <source>Počet chybných odpovědí</source>
        <translation>Number of wrong answers</translation>
    </message>
    <message>
        <source>Zbývá zodpovědět</source>
        <translation>Still to answer</translation>
    </message>
    <message>
        <source>Úspěšnost</source>
        <translation>Success rate</translation>
    </message>
    <message>
        <source>Čas úkolu</source>
        <translation>Time taken</translation>
    </message>
    <message>
        <source>Nejlepší body</source>
        <translation>Best points</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Počet vzorců</source>
        <translation>Number of templates</translation>
    </message>
    <message>
        <source>Číslo obrázku</source>
        <translation>Picture number</translation>
    </message>
    <message>
        <source>Jméno</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Zkontrolováno</source>
        <translation>Checked</translation>
    </message>
    <message>
        <source>Správně</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Nevyřešeno</source>
        <translation>Unsolved</translation>
    </message>
    <message>
        <source>Chyby</source>
        <translation>Mistakes</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>mínus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>krát</source>
        <translation>times</translation>
    </message>
    <message>
        <source>děleno</source>
        <translation>divided by</translation>
    </message>
    <message>
        <source>na</source>
        <translation>to the power of</translation>
    </message>
    <message>
        <source>odmocnina z</source>
        <translation>the square root of</translation>
    </message>
    <message>
        <source>levá závorka</source>
        <translation>open bracket</translation>
    </message>
    <message>
        <source>pravá závorka</source>
        <translation>close bracket</translation>
    </message>
    <message>
        <source>je</source>
        <translation>equals</translation>
    </message>
    <message>
        <source>Správný výsledek je %1.</source>
        <translation>The correct result is %1.</translation>
    </message>
    <message>
        <source>Konec zkoušení. Správně %1, chybně %2, úspěšnost %3, body %4.</source>
        <translation>End of the test. Right %1, wrong %2, success rate %3, points %4.</translation>
    </message>
    <message>
        <source>Jazyk se změní při příštím spuštění programu.</source>
        <translation>The language will change the next time the program starts.</translation>
    </message>
    <message>
        <source>Celá třída: varianty a oprava složky</source>
        <translation>Whole class: sheets and folder correction</translation>
    </message>
    <message>
        <source>Celá třída</source>
        <translation>Whole class</translation>
    </message>
    <message>
        <source>klíč za každým listem</source>
        <translation>key after each sheet</translation>
    </message>
    <message>
        <source>všechny klíče na konci</source>
        <translation>all keys at the end</translation>
    </message>
    <message>
        <source>Kde jsou klíče</source>
        <translation>Where the keys go</translation>
    </message>
</context>
<context>
    <name>TOverview</name>
    <message>
        <source>Vše</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Přehled</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>Žák, jehož výsledky se zobrazí</source>
        <translation>The pupil whose results are shown</translation>
    </message>
    <message>
        <source>Co graf ukazuje u všech žáků</source>
        <translation>What the chart shows for all pupils</translation>
    </message>
    <message>
        <source>Úspěšnost</source>
        <translation>Success rate</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Export do CSV…</source>
        <translation>Export to CSV…</translation>
    </message>
    <message>
        <source>Uloží tabulku do souboru CSV</source>
        <translation>Saves the table to a CSV file</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Žák :</source>
        <translation>Pupil :</translation>
    </message>
    <message>
        <source>Graf všech žáků :</source>
        <translation>Chart of all pupils :</translation>
    </message>
    <message>
        <source>Soubor CSV(*.csv)|*.csv</source>
        <translation>CSV file(*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Úspěšnost (%)</source>
        <translation>Success rate (%)</translation>
    </message>
    <message>
        <source>Přehled %1</source>
        <translation>Overview %1</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Soubor %1 je uložen, ale textový editor se nepodařilo spustit.</source>
        <translation>The file %1 has been saved, but the text editor could not be started.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Aplikace na pozadí</source>
        <translation>The program is already running in the background.</translation>
    </message>
</context>
</TS>
