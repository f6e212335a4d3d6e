<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs_CZ">
<context>
    <name>Asker</name>
    <message>
        <source>Ano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message>
        <source>Soubor %1 již existuje. Přepsat?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Overview</name>
    <message>
        <source>Datum a čas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jméno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Příkladů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Správně</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chybně</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nezodpovězeno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Úspěšnost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Čas úkolu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operátory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Řada 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Řada 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desetinná místa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vzorce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 až %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(bez jména)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> až </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Žádný zaznamenaný běh zkoušení.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Běhů: %1    Průměrná úspěšnost: %2    Nejlepší: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Žáků: %1    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zatím nelze určit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zlepšuje se</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beze změny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zhoršuje se</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1%2 p. b. na běh)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Trend posledních 5 běhů: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    (nečitelných řádků v historii: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Úspěšnost a body: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body všech žáků</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Úspěšnost všech žáků</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>Odfiltruje zvolenou hodnotu z výsledku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Všechny hodnoty budou větší než zvolená</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Všechny hodnoty budou menší než zvolená</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odfiltruje rozdílné hodnoty,než zvolená</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>%1 je odkaz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 není složka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 patří jinému uživateli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 je přístupná i jiným uživatelům</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bez ochrany proti druhému spuštění: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintedSheet</name>
    <message>
        <source>správně</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chyba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nevyřešeno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>strana %1 / %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>klíč – </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jméno:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Třída:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Klíč správných výsledků</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Správně : %1    Nevyřešeno : %2    Chyby : %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zkontrolováno : </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TNumlet</name>
    <message>
        <source>Průběh generování příkladu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vložený výsledek / Počet cyklů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Počet příkladů / Výsledné časy / Rozklad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Správný výsledek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rozsah [ 1 ] čísla : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zamkne horní hodnotu čísla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zakázat řadě vygenerovat desetinnou část</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rozsah [ 2 ] čísla : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rozsah [ 3 ] čísla : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rozsah [ 4 ] čísla : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rozsah [ 5 ] čísla :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vybráno : 100 příkladů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 1. op :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. op :           3. op :            4. op :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operátor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desetinná čísla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desetiny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setiny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jen kladné výsledky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jen záporné výsledky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výsledek beze zbytku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pouze sčítání a odčítání</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nabídka vzorců</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Náhodný výběr z       vzorců</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Počet vzorců ke generování [ max. 13 ]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vygenerovat další příklad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nastavení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Výsledky </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celkový počet příkladů :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Počet správných odpovědí :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Počet chybných odpovědí :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zbývá zodpovědět :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Úspěšnost :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Čas úkolu :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výpis příkladů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přerušení  zkoušení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uloží výpis příkladů do souboru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přehled výsledků žáka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zahájení zkoušení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-  Sčítání</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-  Odčítání</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-  Násobení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-  Dělení se zbytkem, i beze zbytku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-  Umocňování</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-  Odmocňování</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-  Desetinná čísla u zvolené řady</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-  Příklady se složenými závorkami</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-  Řešení příkladů ve zvoleném časovém limitu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-  Pevné nastavení i střídání operandů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-  Omezit zadání na příklady s kladným či záporným výsledkem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-  Rozsah generovaných čísel od záporných po kladné</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-  Garance neopakujících se příkladů jdoucích po sobě</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-  Regulace výstupu příkladů dle požadovaného výsledku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-  Omezení výběru vzorců pro generování</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-  Generování příkladů pro externí využití s možností </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   jejich automatické opravy a zobrazení výsledků</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-  Grafické i zvukové efekty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-  Výrazová kalkulačka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Povolit zobrazování vlastních obrázků</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zvuková signalizace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zobrazovat výsledky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapisovat všechny příklady</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limitovaná odpověď</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odfiltrovat &quot;0&quot; ze zadání</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Domácí stránka programu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formát zobrazení výsledků</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zpřístupnit vzorce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Složka s obrázky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hranice generovacího procesu: 1000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Délka prodlevy na odpověd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Písmo panelu :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Písma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exponent :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hodnota exponentu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtr výsledků : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Akce filtru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hodnota filtru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vzorce :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blokovat zpomalující akce </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formátovat příklady pro tisk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zobrazovat info. o průběhu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukládat aktuální konfiguraci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postupný výběr obrázků</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zobrazovat čísla obrázků</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Počítat v reálném čase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapojit logická omezení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exponent z daného rozsahu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barevná syntaxe vzorců</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rozšíření vzorců o mocniny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtr výsledků dle zadání</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mazat generované příklady</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Příklady </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jméno :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zkontrolováno : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Správně :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nevyřešeno :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chyby :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vygeneruje nové příklady</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vypočítá uvedené příklady</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smaže všechny příklady</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otevře soubor s příklady</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uloží příklady do souboru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vyexportuje příklady</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tisk a PDF pracovního listu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jméno zkoušeného/souboru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kalkulačka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fyz. paměť: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To je správné řešení !!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To je špatné řešení !!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Překročena hranice generovacího procesu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hranice generovacího procesu: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vybráno : %1 příkladů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nalezeno %1 obrázků</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tisk pracovního listu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přiložit klíč správných výsledků</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit jako PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tisk na tiskárnu %1 se nezdařil.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sestavuji příklady dle zadaných parametrů...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Počítám zadané příklady...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportuji uvedené příklady...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Jazyk :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jazyk programu; změní se při příštím spuštění</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dolní mez %1. čísla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horní mez %1. čísla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zamknout horní mez %1. čísla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bez desetinné části %1. čísla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. operátor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vzorec %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odpověď</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Průběh zkoušení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kontrolní výpočet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Počet příkladů zkoušení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Náhodný výběr vzorců</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Další příklad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit výpis příkladů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vlastnosti programu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vlastní obrázky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odfiltrovat nuly ze zadání</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hranice generovacího procesu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Délka prodlevy na odpověď</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Písmo panelu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exponent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obrázek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Akce filtru výsledků</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hodnota filtru výsledků</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Počet vzorců ke generování</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jazyk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pracovní list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vygenerovat příklady</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vypočítat příklady</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smazat příklady</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otevřít soubor s příklady</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit příklady do souboru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportovat příklady</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jméno žáka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stavový řádek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zastavit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výraz kalkulačky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: nabídka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Příklad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vložený výsledek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Počet příkladů a časy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Údaje o příkladu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celkový počet příkladů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Počet správných odpovědí</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Počet chybných odpovědí</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zbývá zodpovědět</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Úspěšnost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Čas úkolu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nejlepší body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Počet vzorců</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Číslo obrázku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jméno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zkontrolováno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Správně</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nevyřešeno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chyby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mínus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>krát</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>děleno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>na</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>odmocnina z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>levá závorka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pravá závorka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>je</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Správný výsledek je %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konec zkoušení. Správně %1, chybně %2, úspěšnost %3, body %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jazyk se změní při příštím spuštění programu.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOverview</name>
    <message>
        <source>Vše</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přehled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Žák, jehož výsledky se zobrazí</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co graf ukazuje u všech žáků</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Úspěšnost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export do CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uloží tabulku do souboru CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Žák :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graf všech žáků :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor CSV(*.csv)|*.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Úspěšnost (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přehled %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Soubor %1 je uložen, ale textový editor se nepodařilo spustit.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Aplikace na pozadí</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
