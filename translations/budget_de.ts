<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>HelpPictures</name>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Visa card</source>
        <translation>Visa-Karte</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Purse</source>
        <translation>Kasse</translation>
    </message>
    <message>
        <source>Money box</source>
        <translation>Sparschwein</translation>
    </message>
    <message>
        <source>Opening balance</source>
        <translation>Anfangssaldo</translation>
    </message>
    <message>
        <source>Employer Ltd</source>
        <translation>Arbeitgeber GmbH</translation>
    </message>
    <message>
        <source>Salary</source>
        <translation>Gehalt</translation>
    </message>
    <message>
        <source>Landlord</source>
        <translation>Vermieter</translation>
    </message>
    <message>
        <source>Rent</source>
        <translation>Miete</translation>
    </message>
    <message>
        <source>ATM Main Street</source>
        <translation>Geldautomat Hauptstraße</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Bakery</source>
        <translation>Bäckerei</translation>
    </message>
    <message>
        <source>Bread and cake</source>
        <translation>Brot und Kuchen</translation>
    </message>
    <message>
        <source>Shoe shop</source>
        <translation>Schuhgeschäft</translation>
    </message>
    <message>
        <source>Shoes</source>
        <translation>Schuhe</translation>
    </message>
    <message>
        <source>Bookshop</source>
        <translation>Buchhandlung</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Bücher</translation>
    </message>
    <message>
        <source>City Power</source>
        <translation>Stadtwerke</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Card payment</source>
        <translation>Kartenabrechnung</translation>
    </message>
    <message>
        <source>February statement</source>
        <translation>Abrechnung Februar</translation>
    </message>
    <message>
        <source>Market</source>
        <translation>Markt</translation>
    </message>
    <message>
        <source>Vegetables</source>
        <translation>Gemüse</translation>
    </message>
    <message>
        <source>Phone company</source>
        <translation>Telefongesellschaft</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Verwendungszweck</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Insurer</source>
        <translation>Versicherung</translation>
    </message>
    <message>
        <source>Household insurance</source>
        <translation>Hausratversicherung</translation>
    </message>
    <message>
        <source>Tax office</source>
        <translation>Finanzamt</translation>
    </message>
    <message>
        <source>Tax refund</source>
        <translation>Steuererstattung</translation>
    </message>
    <message>
        <source>statement-march.csv</source>
        <translation>Kontoauszug-Maerz.csv</translation>
    </message>
    <message>
        <source>Christmas bonus</source>
        <translation>Weihnachtsgeld</translation>
    </message>
    <message>
        <source>Standing order</source>
        <translation>Dauerauftrag</translation>
    </message>
    <message>
        <source>Supermarket</source>
        <translation>Supermarkt</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Lebensmittel</translation>
    </message>
    <message>
        <source>Card bill</source>
        <translation>Kartenabrechnung</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Über Tavrin Budget</translation>
    </message>
    <message>
        <source>A budget keeper for accounts and wallets.</source>
        <translation>Ein Haushaltsbuch für Konten und Geldbörsen.</translation>
    </message>
</context>
<context>
    <name>TAmountFormat</name>
    <message>
        <source>There is no amount.</source>
        <translation>Es fehlt der Betrag.</translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; is not a number.</source>
        <translation>Der Betrag „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; is not written like the other amounts of the file (%2).</source>
        <translation>Der Betrag „%1“ ist anders geschrieben als die übrigen Beträge der Datei (%2).</translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; is too large.</source>
        <translation>Der Betrag „%1“ ist zu groß.</translation>
    </message>
</context>
<context>
    <name>TAmountRangeCheck</name>
    <message>
        <source>The minimum amount of money must be a number!</source>
        <translation>Der Mindestbetrag muss eine Zahl sein!</translation>
    </message>
    <message>
        <source>The maximum amount of money must be a number!</source>
        <translation>Der Höchstbetrag muss eine Zahl sein!</translation>
    </message>
    <message>
        <source>The minimum amount should not be large than the maximum!!</source>
        <translation>Der Mindestbetrag darf nicht größer als der Höchstbetrag sein!</translation>
    </message>
</context>
<context>
    <name>TBackupCheck</name>
    <message>
        <source>the file is missing</source>
        <translation>die Datei fehlt</translation>
    </message>
</context>
<context>
    <name>TBackupRestore</name>
    <message>
        <source>Your data was not changed.</source>
        <translation>Ihre Daten wurden nicht verändert.</translation>
    </message>
    <message>
        <source>The backup %1 is not there.</source>
        <translation>Die Sicherung %1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>The backup %1 is damaged or is not a Tavrin Budget data file, so it cannot be restored.</source>
        <translation>Die Sicherung %1 ist beschädigt oder keine Datendatei von Tavrin Budget; sie kann nicht zurückgeholt werden.</translation>
    </message>
    <message>
        <source>The backup %1 was written by a newer version of Tavrin Budget (data version %2; this program knows versions up to %3), so it cannot be restored.</source>
        <translation>Die Sicherung %1 stammt von einer neueren Version von Tavrin Budget (Datenversion %2; dieses Programm kennt Versionen bis %3); sie kann nicht zurückgeholt werden.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The backup cannot be written over the data file itself. Choose another name.</source>
        <translation>Die Sicherung kann nicht über die Datendatei selbst geschrieben werden. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>%1 could not be written to the disk.</source>
        <translation>%1 konnte nicht auf den Datenträger geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 could not be renamed to %2.</source>
        <translation>%1 konnte nicht in %2 umbenannt werden.</translation>
    </message>
    <message>
        <source>The copy %1 could not be written.</source>
        <translation>Die Kopie %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The copy %1 was not written whole.</source>
        <translation>Die Kopie %1 wurde nicht vollständig geschrieben.</translation>
    </message>
    <message>
        <source>The data file %1 could not be kept as a backup.</source>
        <translation>Die Datendatei %1 konnte nicht als Sicherung aufbewahrt werden.</translation>
    </message>
    <message>
        <source>The data file %1 could not be prepared.</source>
        <translation>Die Datendatei %1 konnte nicht vorbereitet werden.</translation>
    </message>
    <message>
        <source>The data file %1 is in use by another program. Close it and try again.</source>
        <translation>Die Datendatei %1 wird von einem anderen Programm benutzt. Schließen Sie es und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>TBalanceChanges</name>
    <message>
        <source>The amount is out of range.</source>
        <translation>Der Betrag liegt außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>The account or wallet %1 does not exist.</source>
        <translation>Das Konto bzw. die Geldbörse %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The balance of the account or wallet %1 would be out of range.</source>
        <translation>Der Kontostand des Kontos bzw. der Geldbörse %1 läge außerhalb des zulässigen Bereichs.</translation>
    </message>
</context>
<context>
    <name>TBookingKind</name>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Debit</source>
        <translation>Abbuchung</translation>
    </message>
    <message>
        <source>Trans Out</source>
        <translation>Ausgehende Umbuchung</translation>
    </message>
    <message>
        <source>Trans In</source>
        <translation>Eingehende Umbuchung</translation>
    </message>
</context>
<context>
    <name>TBookingList</name>
    <message>
        <source>Data Range</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitspanne</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Export data with xls, txt or htm format</source>
        <translation>Daten im Format xls, txt oder htm exportieren</translation>
    </message>
    <message>
        <source>Bookings</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>SUM</source>
        <translation>SUMME</translation>
    </message>
    <message>
        <source>TypeName</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>from</source>
        <translation>Empfänger/Auftraggeber</translation>
    </message>
    <message>
        <source>for</source>
        <translation>Verwendungszweck</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Acc/Wal name</source>
        <translation>Konto/Geldbörse</translation>
    </message>
    <message>
        <source>Balance Percent(%)</source>
        <translation>Anteil (%)</translation>
    </message>
    <message>
        <source>Deposit of This Month</source>
        <translation>Einzahlungen (Monat)</translation>
    </message>
    <message>
        <source>Debit of This Month</source>
        <translation>Abbuchungen (Monat)</translation>
    </message>
    <message>
        <source>Today&apos;s Deposit</source>
        <translation>Einzahlungen (heute)</translation>
    </message>
    <message>
        <source>Today&apos;s Debit</source>
        <translation>Abbuchungen (heute)</translation>
    </message>
    <message>
        <source>-----All-----</source>
        <translation>-----Alle-----</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Debit</source>
        <translation>Abbuchung</translation>
    </message>
    <message>
        <source>Trans in</source>
        <translation>Eingehende Umbuchung</translation>
    </message>
    <message>
        <source>Trans out</source>
        <translation>Ausgehende Umbuchung</translation>
    </message>
    <message>
        <source>-----None-----</source>
        <translation>-----Keine-----</translation>
    </message>
    <message>
        <source>  Today</source>
        <translation>  Heute</translation>
    </message>
    <message>
        <source>  Last 3 days</source>
        <translation>  Letzte 3 Tage</translation>
    </message>
    <message>
        <source>  Last 7 days</source>
        <translation>  Letzte 7 Tage</translation>
    </message>
    <message>
        <source>  This Month</source>
        <translation>  Dieser Monat</translation>
    </message>
</context>
<context>
    <name>TBookingStore</name>
    <message>
        <source>The booking %1 of table %2 does not exist.</source>
        <translation>Die Buchung %1 der Tabelle %2 existiert nicht.</translation>
    </message>
</context>
<context>
    <name>TBookingWidgets</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>TChartView</name>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>No figures to show.</source>
        <translation>Keine Zahlen zu zeigen.</translation>
    </message>
</context>
<context>
    <name>TCsvColumnRoles</name>
    <message>
        <source>Not used</source>
        <translation>Nicht verwendet</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount (signed)</source>
        <translation>Betrag (mit Vorzeichen)</translation>
    </message>
    <message>
        <source>Money paid out</source>
        <translation>Ausgaben (Soll)</translation>
    </message>
    <message>
        <source>Money received</source>
        <translation>Einnahmen (Haben)</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Empfänger/Auftraggeber</translation>
    </message>
    <message>
        <source>For</source>
        <translation>Verwendungszweck</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Bank&apos;s id</source>
        <translation>Kennung der Bank</translation>
    </message>
    <message>
        <source>Paid out or received</source>
        <translation>Ausgabe oder Einnahme</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>Gebühr</translation>
    </message>
    <message>
        <source>Balance (not booked)</source>
        <translation>Saldo (wird nicht gebucht)</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>TCsvReader</name>
    <message>
        <source> (This entry runs on to line %1; check its quotes.)</source>
        <translation> (Dieser Eintrag reicht bis Zeile %1; prüfen Sie die Anführungszeichen.)</translation>
    </message>
    <message>
        <source>The statement&apos;s opening balance, %1; it is not booked.</source>
        <translation>Der Anfangssaldo des Kontoauszugs, %1; er wird nicht gebucht.</translation>
    </message>
    <message>
        <source>The statement&apos;s opening balance; it is not booked.</source>
        <translation>Der Anfangssaldo des Kontoauszugs; er wird nicht gebucht.</translation>
    </message>
    <message>
        <source>The statement&apos;s closing balance, %1; it is not booked.</source>
        <translation>Der Endsaldo des Kontoauszugs, %1; er wird nicht gebucht.</translation>
    </message>
    <message>
        <source>The statement&apos;s closing balance; it is not booked.</source>
        <translation>Der Endsaldo des Kontoauszugs; er wird nicht gebucht.</translation>
    </message>
    <message>
        <source>A balance the statement states, %1; it is not booked.</source>
        <translation>Ein im Kontoauszug angegebener Saldo, %1; er wird nicht gebucht.</translation>
    </message>
    <message>
        <source>A balance the statement states; it is not booked.</source>
        <translation>Ein im Kontoauszug angegebener Saldo; er wird nicht gebucht.</translation>
    </message>
    <message>
        <source>A total of the statement; it is not booked.</source>
        <translation>Eine Summe des Kontoauszugs; sie wird nicht gebucht.</translation>
    </message>
    <message>
        <source>There is no direction (paid out or received) in column %1.</source>
        <translation>In Spalte %1 fehlt die Richtung (Ausgabe oder Einnahme).</translation>
    </message>
    <message>
        <source>The direction &quot;%1&quot; is neither money paid out (%2) nor money received (%3).</source>
        <translation>Die Richtung „%1“ ist weder eine Ausgabe (%2) noch eine Einnahme (%3).</translation>
    </message>
    <message>
        <source>There are amounts in both the column of money paid out and that of money received.</source>
        <translation>Sowohl in der Spalte der Ausgaben als auch in der der Einnahmen steht ein Betrag.</translation>
    </message>
    <message>
        <source>There is no amount in the column of money paid out nor in that of money received.</source>
        <translation>Weder in der Spalte der Ausgaben noch in der der Einnahmen steht ein Betrag.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>Die Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Not booked by the bank yet (&quot;%1&quot; instead of a date).</source>
        <translation>Von der Bank noch nicht gebucht („%1“ statt eines Datums).</translation>
    </message>
    <message>
        <source>One of the lines the settings skip at the bottom.</source>
        <translation>Eine der Fußzeilen, die laut Einstellungen ausgelassen werden.</translation>
    </message>
    <message>
        <source>Nearly all amounts of this file are money received. If it is a credit card statement that shows payments as positive amounts, tick &quot;Money paid out has no minus sign&quot; under Settings.</source>
        <translation>Fast alle Beträge dieser Datei sind Einnahmen. Wenn es eine Kreditkartenabrechnung ist, die Zahlungen als positive Beträge zeigt, kreuzen Sie unter Einstellungen „Ausgaben ohne Minuszeichen“ an.</translation>
    </message>
    <message>
        <source>The line has %1 columns; the date should be in column %2.</source>
        <translation>Die Zeile hat %1 Spalten; das Datum sollte in Spalte %2 stehen.</translation>
    </message>
    <message>
        <source>The line has %1 columns; the amount should be in column %2.</source>
        <translation>Die Zeile hat %1 Spalten; der Betrag sollte in Spalte %2 stehen.</translation>
    </message>
</context>
<context>
    <name>TCsvSettings</name>
    <message>
        <source>Choose the character that separates the columns.</source>
        <translation>Wählen Sie das Zeichen, das die Spalten trennt.</translation>
    </message>
    <message>
        <source>The decimal separator and the thousands separator must differ.</source>
        <translation>Dezimaltrennzeichen und Tausendertrennzeichen müssen verschieden sein.</translation>
    </message>
    <message>
        <source>Choose the column of the date.</source>
        <translation>Wählen Sie die Spalte mit dem Datum.</translation>
    </message>
    <message>
        <source>Choose the column of the amount.</source>
        <translation>Wählen Sie die Spalte mit dem Betrag.</translation>
    </message>
    <message>
        <source>Choose the columns of money paid out and money received.</source>
        <translation>Wählen Sie die Spalten mit den Ausgaben und den Einnahmen.</translation>
    </message>
    <message>
        <source>Money paid out and money received must be in different columns.</source>
        <translation>Ausgaben und Einnahmen müssen in verschiedenen Spalten stehen.</translation>
    </message>
    <message>
        <source>Column %1 cannot hold both the date and an amount.</source>
        <translation>Spalte %1 kann nicht zugleich das Datum und einen Betrag enthalten.</translation>
    </message>
    <message>
        <source>Column %1 cannot be both a text and the date or an amount.</source>
        <translation>Spalte %1 kann nicht zugleich ein Text und das Datum oder ein Betrag sein.</translation>
    </message>
    <message>
        <source>Column %1 cannot also be the date or an amount.</source>
        <translation>Spalte %1 kann nicht auch das Datum oder ein Betrag sein.</translation>
    </message>
    <message>
        <source>Type the values of the direction column that mean money paid out and money received.</source>
        <translation>Geben Sie die Werte der Richtungsspalte ein, die Ausgaben und Einnahmen bedeuten.</translation>
    </message>
    <message>
        <source>The import profile is damaged.</source>
        <translation>Das Importprofil ist beschädigt.</translation>
    </message>
    <message>
        <source>The import profile was saved by a newer version of the program.</source>
        <translation>Das Importprofil wurde von einer neueren Version des Programms gespeichert.</translation>
    </message>
</context>
<context>
    <name>TCsvSettingsBox</name>
    <message>
        <source>Other: %1</source>
        <translation>Andere: %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Semicolon ;</source>
        <translation>Semikolon ;</translation>
    </message>
    <message>
        <source>Comma ,</source>
        <translation>Komma ,</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Bar |</source>
        <translation>Senkrechter Strich |</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>The last skipped line sho&amp;ws the column titles</source>
        <translation>Spalten&amp;überschriften in letzter Kopfzeile</translation>
    </message>
    <message>
        <source>Point .</source>
        <translation>Punkt .</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>Apostrophe &apos;</source>
        <translation>Apostroph &apos;</translation>
    </message>
    <message>
        <source>The values of the column &quot;Paid out or received&quot; that mean this, separated by commas, such as D, DR</source>
        <translation>Die Werte der Spalte „Ausgabe oder Einnahme“, die dies bedeuten, durch Kommas getrennt, zum Beispiel S, Soll</translation>
    </message>
    <message>
        <source>Money paid out has &amp;no minus sign</source>
        <translation>Ausgaben &amp;ohne Minuszeichen</translation>
    </message>
    <message>
        <source>Some card statements show money paid out as positive amounts and money received as negative ones.</source>
        <translation>Manche Kreditkartenabrechnungen zeigen Ausgaben als positive und Einnahmen als negative Beträge.</translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation>&amp;Trennzeichen:</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Zeichenkodierung:</translation>
    </message>
    <message>
        <source>Skip lines at &amp;top:</source>
        <translation>Kopfzeilen &amp;auslassen:</translation>
    </message>
    <message>
        <source>Skip lines at b&amp;ottom:</source>
        <translation>&amp;Fußzeilen auslassen:</translation>
    </message>
    <message>
        <source>Date o&amp;rder:</source>
        <translation>Datums&amp;reihenfolge:</translation>
    </message>
    <message>
        <source>Deci&amp;mal separator:</source>
        <translation>Dezi&amp;maltrennzeichen:</translation>
    </message>
    <message>
        <source>&amp;Grouping separator:</source>
        <translation>Tau&amp;sendertrennzeichen:</translation>
    </message>
    <message>
        <source>&amp;Columns:</source>
        <translation>Spa&amp;lten:</translation>
    </message>
    <message>
        <source>&amp;Use the column as:</source>
        <translation>Spalte ver&amp;wenden als:</translation>
    </message>
    <message>
        <source>Paid o&amp;ut when:</source>
        <translation>Aus&amp;gabe bei:</translation>
    </message>
    <message>
        <source>Recei&amp;ved when:</source>
        <translation>Einnahme &amp;bei:</translation>
    </message>
    <message>
        <source>Choose the order</source>
        <translation>Reihenfolge wählen</translation>
    </message>
    <message>
        <source>(not in the file)</source>
        <translation>(nicht in der Datei)</translation>
    </message>
</context>
<context>
    <name>TCsvTokenizer</name>
    <message>
        <source>A text in quotes is not closed.</source>
        <translation>Ein Text in Anführungszeichen ist nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>A text in quotes is followed by other characters.</source>
        <translation>Auf einen Text in Anführungszeichen folgen weitere Zeichen.</translation>
    </message>
</context>
<context>
    <name>TDBGridFooter</name>
    <message>
        <source>Footer</source>
        <translation>Fußzeile</translation>
    </message>
</context>
<context>
    <name>TDM</name>
    <message>
        <source>The database is not open.</source>
        <translation>Die Datenbank ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The database connection is not an SQLite connection.</source>
        <translation>Die Datenbankverbindung ist keine SQLite-Verbindung.</translation>
    </message>
</context>
<context>
    <name>TDailyBackup</name>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>cannot create the folder %1.</source>
        <translation>der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>cannot write %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>cannot count the bookings of %1: %2</source>
        <translation>die Buchungen von %1 können nicht gezählt werden: %2</translation>
    </message>
    <message>
        <source>the copy %1 is not whole (%2); it was removed.</source>
        <translation>die Kopie %1 ist unvollständig (%2); sie wurde entfernt.</translation>
    </message>
    <message>
        <source>the copy %1 holds %2 bookings instead of %3; it was removed.</source>
        <translation>die Kopie %1 enthält %2 statt %3 Buchungen; sie wurde entfernt.</translation>
    </message>
    <message>
        <source>cannot rename %1.</source>
        <translation>%1 kann nicht umbenannt werden.</translation>
    </message>
</context>
<context>
    <name>TDueModel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>For</source>
        <translation>Verwendungszweck</translation>
    </message>
    <message>
        <source>Acc/Wal</source>
        <translation>Konto/Geldbörse</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
</context>
<context>
    <name>TExcelWriter</name>
    <message>
        <source>The list cannot be written as an Excel file: with its titles and footer it has %1 rows, and an Excel file holds at most %2. Nothing was written; choose the text or the HTML format instead.</source>
        <translation>Die Liste kann nicht als Excel-Datei geschrieben werden: Mit Spaltentiteln und Fußzeile hat sie %1 Zeilen, eine Excel-Datei fasst aber höchstens %2. Es wurde nichts geschrieben; wählen Sie stattdessen das Text- oder das HTML-Format.</translation>
    </message>
    <message>
        <source>The list cannot be written as an Excel file: it has %1 columns, and an Excel file holds at most %2. Nothing was written.</source>
        <translation>Die Liste kann nicht als Excel-Datei geschrieben werden: Sie hat %1 Spalten, eine Excel-Datei fasst aber höchstens %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The list cannot be written as an Excel file: a cell holds a text of %1 characters, and an Excel cell holds at most %2. Nothing was written; choose the text or the HTML format instead.</source>
        <translation>Die Liste kann nicht als Excel-Datei geschrieben werden: Eine Zelle enthält einen Text mit %1 Zeichen, eine Excel-Zelle fasst aber höchstens %2. Es wurde nichts geschrieben; wählen Sie stattdessen das Text- oder das HTML-Format.</translation>
    </message>
</context>
<context>
    <name>TExportCommand</name>
    <message>
        <source>Cannot create %1.
%2</source>
        <translation>%1 kann nicht angelegt werden.
%2</translation>
    </message>
    <message>
        <source>Cannot write %1.
%2</source>
        <translation>%1 kann nicht geschrieben werden.
%2</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Do you want to lunch the file?</source>
        <translation>Möchten Sie die Datei öffnen?</translation>
    </message>
    <message>
        <source>Excel(*.xls)</source>
        <translation>Excel (*.xls)</translation>
    </message>
    <message>
        <source>text(*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>htm(*.htm)</source>
        <translation>HTML (*.htm)</translation>
    </message>
</context>
<context>
    <name>TExportWriter</name>
    <message>
        <source>The file could not be written completely; the disk may be full.</source>
        <translation>Die Datei konnte nicht vollständig geschrieben werden; möglicherweise ist der Datenträger voll.</translation>
    </message>
</context>
<context>
    <name>TFrmAccountHistory</name>
    <message>
        <source>Acc/Wal History</source>
        <translation>Verlauf Konto/Geldbörse</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Abfrage</translation>
    </message>
    <message>
        <source>&amp;Query...</source>
        <translation>&amp;Abfrage...</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy selected data and paste to excel  document</source>
        <translation>Markierte Buchungen kopieren, um sie in eine Excel-Tabelle einzufügen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Exp&amp;ort...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close history window</source>
        <translation>Verlaufsfenster schließen</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Bookings</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Are you sure to delete this record?</source>
        <translation>Möchten Sie diese Buchung wirklich löschen?</translation>
    </message>
    <message>
        <source>Acc/Wal:</source>
        <translation>Konto/Geldbörse:</translation>
    </message>
    <message>
        <source>Acc/Wal</source>
        <translation>Konto/Geldbörse</translation>
    </message>
    <message>
        <source>Please select an record to delete!</source>
        <translation>Bitte wählen Sie eine Buchung zum Löschen aus!</translation>
    </message>
    <message>
        <source>Bookings of a report</source>
        <translation>Buchungen eines Berichts</translation>
    </message>
    <message>
        <source>&amp;Repeat...</source>
        <translation>&amp;Wiederholen...</translation>
    </message>
    <message>
        <source>Make a standing order of this booking</source>
        <translation>Aus dieser Buchung einen Dauerauftrag machen</translation>
    </message>
    <message>
        <source>Please select a booking to repeat!</source>
        <translation>Bitte wählen Sie eine Buchung zum Wiederholen!</translation>
    </message>
</context>
<context>
    <name>TFrmBankAccount</name>
    <message>
        <source>Bank Account</source>
        <translation>Bankkonto</translation>
    </message>
    <message>
        <source>Bank Account Name:</source>
        <translation>Name des Bankkontos:</translation>
    </message>
    <message>
        <source>Allow bank account to go negative</source>
        <translation>Bankkonto darf ins Minus gehen</translation>
    </message>
    <message>
        <source>Warn when bank account goes negative</source>
        <translation>Warnen, wenn das Bankkonto ins Minus geht</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Please enter an account name!</source>
        <translation>Bitte geben Sie einen Namen für das Konto ein!</translation>
    </message>
    <message>
        <source>Sorry, add account error!</source>
        <translation>Das Konto konnte leider nicht angelegt werden!</translation>
    </message>
    <message>
        <source>Credit Card Account</source>
        <translation>Kreditkartenkonto</translation>
    </message>
    <message>
        <source>View/Edit account</source>
        <translation>Konto anzeigen/bearbeiten</translation>
    </message>
</context>
<context>
    <name>TFrmDetailBase</name>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Edit Deposit</source>
        <translation>Einzahlung bearbeiten</translation>
    </message>
    <message>
        <source>Receive info</source>
        <translation>Angaben zur Einzahlung</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Auftraggeber:</translation>
    </message>
    <message>
        <source>Debit</source>
        <translation>Abbuchung</translation>
    </message>
    <message>
        <source>Edit Debit</source>
        <translation>Abbuchung bearbeiten</translation>
    </message>
    <message>
        <source>Debit info</source>
        <translation>Angaben zur Abbuchung</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Account info</source>
        <translation>Konto/Geldbörse</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Wallet</source>
        <translation>Geldbörse</translation>
    </message>
    <message>
        <source>Change Account/Wallet</source>
        <translation>Konto/Geldbörse wechseln</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>For:</source>
        <translation>Verwendungszweck:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Please input inofrmation for &quot;From&quot;</source>
        <translation>Bitte geben Sie den Auftraggeber bzw. Empfänger an!</translation>
    </message>
    <message>
        <source>Please input the AMOUNT for deposit</source>
        <translation>Bitte geben Sie den BETRAG ein!</translation>
    </message>
    <message>
        <source>The AMOUNT for deposit is not a valid number.</source>
        <translation>Der BETRAG ist keine gültige Zahl.</translation>
    </message>
    <message>
        <source>The AMOUNT for deposit must be a positive number.</source>
        <translation>Der BETRAG muss eine positive Zahl sein.</translation>
    </message>
    <message>
        <source>The balance will go negative, are you sure to continue?!</source>
        <translation>Der Kontostand wird negativ. Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>The Account or wallet is not allowed go negative!</source>
        <translation>Das Konto bzw. die Geldbörse darf nicht ins Minus gehen!</translation>
    </message>
    <message>
        <source>Error occured!</source>
        <translation>Es ist ein Fehler aufgetreten!</translation>
    </message>
</context>
<context>
    <name>TFrmDueBookings</name>
    <message>
        <source>Due Bookings</source>
        <translation>Fällige Buchungen</translation>
    </message>
    <message>
        <source>Due bookings</source>
        <translation>Fällige Buchungen</translation>
    </message>
    <message>
        <source>These standing orders are due. Untick what is not to be booked now; type the amount of a bill that varies (F2).</source>
        <translation>Diese Daueraufträge sind fällig. Nehmen Sie den Haken weg, was jetzt nicht gebucht werden soll; tippen Sie den Betrag einer schwankenden Rechnung ein (F2).</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Book</source>
        <translation>&amp;Buchen</translation>
    </message>
    <message>
        <source>Book the ticked bookings (Alt+B)</source>
        <translation>Die angehakten Buchungen buchen (Alt+B)</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>Über&amp;springen</translation>
    </message>
    <message>
        <source>Skip the selected bookings: they are not due again (Alt+S)</source>
        <translation>Die gewählten Buchungen überspringen: sie werden nicht wieder fällig (Alt+S)</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>Spä&amp;ter</translation>
    </message>
    <message>
        <source>Ask again at the next start (Alt+L, Esc)</source>
        <translation>Beim nächsten Start wieder fragen (Alt+T, Esc)</translation>
    </message>
    <message>
        <source>The amount of %1 is not a positive number.</source>
        <translation>Der Betrag von %1 ist keine positive Zahl.</translation>
    </message>
    <message>
        <source>Please tick the bookings to book.</source>
        <translation>Bitte haken Sie die Buchungen an, die gebucht werden sollen.</translation>
    </message>
    <message>
        <source>The source balance will go negative, are you sure to continue?!</source>
        <translation>Der Kontostand der Quelle wird negativ. Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>The balance will go negative, are you sure to continue?!</source>
        <translation>Der Kontostand wird negativ. Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>%1: the Account or wallet is not allowed go negative!</source>
        <translation>%1: Das Konto bzw. die Geldbörse darf nicht ins Minus gehen!</translation>
    </message>
    <message>
        <source>Please select the bookings to skip.</source>
        <translation>Bitte wählen Sie die Buchungen, die übersprungen werden sollen.</translation>
    </message>
    <message numerus="yes">
        <source>Skip the selected bookings (%n)? They will not fall due again.</source>
        <translation>
            <numerusform>Die gewählte Buchung (%n) überspringen? Sie wird nicht wieder fällig.</numerusform>
            <numerusform>Die %n gewählten Buchungen überspringen? Sie werden nicht wieder fällig.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFrmHelp</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Startseite</translation>
    </message>
    <message>
        <source>Contents and index</source>
        <translation>Inhalt und Index</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Keyword:</source>
        <translation>Stich&amp;wort:</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Stichwort</translation>
    </message>
    <message>
        <source>Type to find a keyword</source>
        <translation>Geben Sie ein Stichwort ein, um es zu finden</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>I&amp;ndex</source>
        <translation>I&amp;ndex</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Words to search:</source>
        <translation>Such&amp;begriffe:</translation>
    </message>
    <message>
        <source>Words to search</source>
        <translation>Suchbegriffe</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Pages found</source>
        <translation>Gefundene Seiten</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suche</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Pages found: %1</source>
        <translation>Gefundene Seiten: %1</translation>
    </message>
</context>
<context>
    <name>TFrmHistoryQuery</name>
    <message>
        <source>Query for History</source>
        <translation>Verlauf abfragen</translation>
    </message>
    <message>
        <source>Basic Info</source>
        <translation>Allgemeine Angaben</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Date to</source>
        <translation>Datum bis</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Match info</source>
        <translation>Suchbegriffe</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Empfänger/Auftraggeber</translation>
    </message>
    <message>
        <source>Minimum amount</source>
        <translation>Mindestbetrag</translation>
    </message>
    <message>
        <source>Maximum amount</source>
        <translation>Höchstbetrag</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Empfänger/Auftraggeber:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>&amp;Query</source>
        <translation>&amp;Abfragen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Acc/Wal:</source>
        <translation>Konto/Geldbörse:</translation>
    </message>
</context>
<context>
    <name>TFrmHolderBase</name>
    <message>
        <source>Basic Info</source>
        <translation>Allgemeine Angaben</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Weitere Angaben</translation>
    </message>
    <message>
        <source>Association URL:</source>
        <translation>Zugehörige Webseite:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
</context>
<context>
    <name>TFrmImport</name>
    <message>
        <source>There is no account or wallet to import into yet. Make one with New Account... in the Accounts menu or New Wallet... in the Wallets menu.</source>
        <translation>Es gibt noch kein Konto und keine Geldbörse, in die importiert werden kann. Legen Sie eines mit „Neues Konto...“ im Menü „Konten“ oder eine mit „Neue Geldbörse...“ im Menü „Geldbörsen“ an.</translation>
    </message>
    <message>
        <source>Import Statement</source>
        <translation>Kontoauszug importieren</translation>
    </message>
    <message>
        <source>Choose the statement your bank gave you: CSV, OFX, QFX or QIF</source>
        <translation>Wählen Sie den Kontoauszug Ihrer Bank: CSV, OFX, QFX oder QIF</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>D&amp;urchsuchen...</translation>
    </message>
    <message>
        <source>A name for these settings, such as your bank&apos;s</source>
        <translation>Ein Name für diese Einstellungen, zum Beispiel der Ihrer Bank</translation>
    </message>
    <message>
        <source>&amp;Save Profile</source>
        <translation>Profil spei&amp;chern</translation>
    </message>
    <message>
        <source>Saves the settings under the name in the Profile box, to be offered first for this account or wallet next time</source>
        <translation>Speichert die Einstellungen unter dem Namen im Feld „Profil“; beim nächsten Mal werden sie für dieses Konto bzw. diese Geldbörse zuerst angeboten</translation>
    </message>
    <message>
        <source>The rows of the statement. Space ticks or unticks the selected rows for booking.</source>
        <translation>Die Zeilen des Kontoauszugs. Die Leertaste kreuzt die ausgewählten Zeilen zum Buchen an oder entfernt das Kreuz.</translation>
    </message>
    <message>
        <source>Typed before: 28 Sep 2024, Landlord</source>
        <translation>Schon erfasst: 28. Sep. 2024, Vermieter</translation>
    </message>
    <message>
        <source>Tic&amp;k New Rows</source>
        <translation>&amp;Neue Zeilen ankreuzen</translation>
    </message>
    <message>
        <source>Ticks every row not imported before, and unticks the others</source>
        <translation>Kreuzt jede noch nicht importierte Zeile an und entfernt bei den übrigen das Kreuz</translation>
    </message>
    <message>
        <source>Untick A&amp;ll</source>
        <translation>Alle Kreuze &amp;entfernen</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Kontostand</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Account or wallet:</source>
        <translation>&amp;Konto oder Geldbörse:</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil:</translation>
    </message>
    <message>
        <source>Pre&amp;view:</source>
        <translation>&amp;Vorschau:</translation>
    </message>
    <message>
        <source>Choose an account or wallet</source>
        <translation>Konto oder Geldbörse wählen</translation>
    </message>
    <message>
        <source>%1 (wallet)</source>
        <translation>%1 (Geldbörse)</translation>
    </message>
    <message>
        <source>%1 (account)</source>
        <translation>%1 (Konto)</translation>
    </message>
    <message>
        <source>Bank statements (*.csv *.txt *.ofx *.qfx *.qif)</source>
        <translation>Kontoauszüge (*.csv *.txt *.ofx *.qfx *.qif)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1-Datei</translation>
    </message>
    <message>
        <source>%1 file, %2</source>
        <translation>%1-Datei, %2</translation>
    </message>
    <message>
        <source>Every date of this file fits more than one order: is 03.04. the 3rd of April or the 4th of March? Choose the date order under Settings before importing.</source>
        <translation>Jedes Datum dieser Datei passt zu mehr als einer Reihenfolge: Ist 03.04. der 3. April oder der 4. März? Wählen Sie vor dem Import unter Einstellungen die Datumsreihenfolge.</translation>
    </message>
    <message>
        <source>The file holds no transactions that could be read. Check the settings.</source>
        <translation>Die Datei enthält keine lesbaren Umsätze. Prüfen Sie die Einstellungen.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of the file&apos;s lines could not be read; it is marked in red with the reason and not booked. Check the settings, or import the rest.</source>
        <translation>
            <numerusform>%Ln Zeile der Datei konnte nicht gelesen werden; sie ist rot mit dem Grund markiert und wird nicht gebucht. Prüfen Sie die Einstellungen oder importieren Sie den Rest.</numerusform>
            <numerusform>%Ln Zeilen der Datei konnten nicht gelesen werden; sie sind rot mit dem Grund markiert und werden nicht gebucht. Prüfen Sie die Einstellungen oder importieren Sie den Rest.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of the file&apos;s lines could not be read; they are marked in red with the reason and not booked. Check the settings, or import the rest.</source>
        <translation>
            <numerusform>%Ln Zeile der Datei konnte nicht gelesen werden; sie ist rot mit dem Grund markiert und wird nicht gebucht. Prüfen Sie die Einstellungen oder importieren Sie den Rest.</numerusform>
            <numerusform>%Ln Zeilen der Datei konnten nicht gelesen werden; sie sind rot mit dem Grund markiert und werden nicht gebucht. Prüfen Sie die Einstellungen oder importieren Sie den Rest.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every row of this file was imported before.</source>
        <translation>Alle Zeilen dieser Datei wurden schon importiert.</translation>
    </message>
    <message>
        <source>Reading the file was cancelled.</source>
        <translation>Das Lesen der Datei wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The account or wallet no longer exists.</source>
        <translation>Das Konto bzw. die Geldbörse existiert nicht mehr.</translation>
    </message>
    <message>
        <source>
This import would bring the balance of %1 to %2.</source>
        <translation>
Nach diesem Import stünde der Kontostand von %1 bei %2.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The balance will go negative, are you sure to continue?!</source>
        <translation>Der Kontostand wird negativ. Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>Booking %1...</source>
        <translation>%1 wird gebucht...</translation>
    </message>
    <message>
        <source>The Account or wallet is not allowed go negative!</source>
        <translation>Das Konto bzw. die Geldbörse darf nicht ins Minus gehen!</translation>
    </message>
    <message>
        <source>The import failed; nothing was booked.
%1</source>
        <translation>Der Import ist fehlgeschlagen; es wurde nichts gebucht.
%1</translation>
    </message>
    <message>
        <source>The import was cancelled; nothing was booked.</source>
        <translation>Der Import wurde abgebrochen; es wurde nichts gebucht.</translation>
    </message>
    <message>
        <source>Type a name for the profile into the Profile box, such as your bank&apos;s.</source>
        <translation>Geben Sie im Feld „Profil“ einen Namen für das Profil ein, zum Beispiel den Ihrer Bank.</translation>
    </message>
    <message>
        <source>These settings cannot read a file yet: %1</source>
        <translation>Mit diesen Einstellungen lässt sich noch keine Datei lesen: %1</translation>
    </message>
    <message>
        <source>A profile named &quot;%1&quot; exists already. Replace it?</source>
        <translation>Ein Profil namens „%1“ gibt es bereits. Möchten Sie es ersetzen?</translation>
    </message>
    <message>
        <source>The settings are saved as the profile &quot;%1&quot;.</source>
        <translation>Die Einstellungen wurden als Profil „%1“ gespeichert.</translation>
    </message>
</context>
<context>
    <name>TFrmMain</name>
    <message>
        <source>Tavrin Budget V1.1</source>
        <translation>Tavrin Budget V1.1</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Konten</translation>
    </message>
    <message>
        <source>Wallets</source>
        <translation>Geldbörsen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Import Statement...</source>
        <translation>Kontoauszug &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Undo Import...</source>
        <translation>Import &amp;rückgängig machen...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Statusbar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Accounts</source>
        <translation>&amp;Konten</translation>
    </message>
    <message>
        <source>&amp;New Account...</source>
        <translation>&amp;Neues Konto...</translation>
    </message>
    <message>
        <source>&amp;Delete Account</source>
        <translation>Konto &amp;löschen</translation>
    </message>
    <message>
        <source>Account &amp;Info...</source>
        <translation>Konto&amp;info...</translation>
    </message>
    <message>
        <source>Account &amp;History...</source>
        <translation>Konto&amp;verlauf...</translation>
    </message>
    <message>
        <source>Account &amp;URL...</source>
        <translation>Konto-&amp;Webseite...</translation>
    </message>
    <message>
        <source>&amp;Wallets</source>
        <translation>&amp;Geldbörsen</translation>
    </message>
    <message>
        <source>&amp;New Wallet...</source>
        <translation>&amp;Neue Geldbörse...</translation>
    </message>
    <message>
        <source>&amp;Delete Wallet</source>
        <translation>Geldbörse &amp;löschen</translation>
    </message>
    <message>
        <source>Wallet &amp;Info...</source>
        <translation>Geldbörsen&amp;info...</translation>
    </message>
    <message>
        <source>Wallet &amp;History...</source>
        <translation>Geldbörsen&amp;verlauf...</translation>
    </message>
    <message>
        <source>Wallet &amp;URL...</source>
        <translation>Geldbörsen-&amp;Webseite...</translation>
    </message>
    <message>
        <source>T&amp;ransactions</source>
        <translation>&amp;Buchungen</translation>
    </message>
    <message>
        <source>&amp;Debit...</source>
        <translation>&amp;Abbuchung...</translation>
    </message>
    <message>
        <source>D&amp;eposit...</source>
        <translation>&amp;Einzahlung...</translation>
    </message>
    <message>
        <source>&amp;Transfer...</source>
        <translation>&amp;Umbuchung...</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Calclator</source>
        <translation>&amp;Taschenrechner</translation>
    </message>
    <message>
        <source>Note&amp;pad</source>
        <translation>Text&amp;editor</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>Online T&amp;utorial...</source>
        <translation>Online-&amp;Anleitung...</translation>
    </message>
    <message>
        <source>&amp;Product Homepage...</source>
        <translation>&amp;Produkt-Homepage...</translation>
    </message>
    <message>
        <source>&amp;What&apos;s new...</source>
        <translation>&amp;Neuigkeiten...</translation>
    </message>
    <message>
        <source>Technical Support...</source>
        <translation>Technischer Support...</translation>
    </message>
    <message>
        <source>Check for &amp;updates...</source>
        <translation>Nach &amp;Updates suchen...</translation>
    </message>
    <message>
        <source>&amp;Send Feedback</source>
        <translation>&amp;Feedback senden</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Deposit your money into your account or wallet</source>
        <translation>Geld auf Ihr Konto oder in Ihre Geldbörse einzahlen</translation>
    </message>
    <message>
        <source>Debit</source>
        <translation>Abbuchung</translation>
    </message>
    <message>
        <source>Debit an account or a wallet to spend some money</source>
        <translation>Geld von einem Konto oder einer Geldbörse abbuchen, um es auszugeben</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Umbuchung</translation>
    </message>
    <message>
        <source>transfer money from one account to another or from one wallet to another</source>
        <translation>Geld von einem Konto auf ein anderes oder von einer Geldbörse in eine andere umbuchen</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Show detail information of a specified account or wallet</source>
        <translation>Die Angaben zu einem Konto oder einer Geldbörse anzeigen</translation>
    </message>
    <message>
        <source>Acc History</source>
        <translation>Kontoverlauf</translation>
    </message>
    <message>
        <source>Show a historic list for a specified account</source>
        <translation>Den Verlauf eines Kontos anzeigen</translation>
    </message>
    <message>
        <source>Wall History</source>
        <translation>Geldbörsenverlauf</translation>
    </message>
    <message>
        <source>Show a historic list for a specified wallet</source>
        <translation>Den Verlauf einer Geldbörse anzeigen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Show the help file</source>
        <translation>Die Hilfe anzeigen</translation>
    </message>
    <message>
        <source>WebPage</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>Go to the author&apos;s webpage</source>
        <translation>Die Webseite des Herstellers öffnen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>De&amp;posit...</source>
        <translation>&amp;Einzahlung...</translation>
    </message>
    <message>
        <source>De&amp;bit...</source>
        <translation>&amp;Abbuchung...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>I&amp;mport Statement...</source>
        <translation>Kontoauszug i&amp;mportieren...</translation>
    </message>
    <message>
        <source>&amp;Lunch URL</source>
        <translation>&amp;Webseite öffnen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Welcome to use Tavrin Bugget V1.1</source>
        <translation>Willkommen bei Tavrin Budget V1.1</translation>
    </message>
    <message>
        <source>account Info</source>
        <translation>Kontoinformationen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Total: %1  Account: %2  Wallet: %3</source>
        <translation>Gesamt: %1  Konten: %2  Geldbörsen: %3</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>Sicherung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Are you sure to exit?</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>No calculator was found. Install one, such as GNOME Calculator or KCalc.</source>
        <translation>Es wurde kein Taschenrechner gefunden. Installieren Sie einen, zum Beispiel GNOME Rechner oder KCalc.</translation>
    </message>
    <message>
        <source>No text editor was found. Install one, such as GNOME Text Editor or Kate.</source>
        <translation>Es wurde kein Texteditor gefunden. Installieren Sie einen, zum Beispiel GNOME Texteditor oder Kate.</translation>
    </message>
    <message>
        <source>The wallet is using now, please delete its history first!</source>
        <translation>Die Geldbörse wird noch verwendet. Bitte löschen Sie zuerst ihren Verlauf!</translation>
    </message>
    <message>
        <source>The account is using now, please delete its history first!</source>
        <translation>Das Konto wird noch verwendet. Bitte löschen Sie zuerst seinen Verlauf!</translation>
    </message>
    <message>
        <source>Are you sure to delete this information?</source>
        <translation>Möchten Sie diesen Eintrag wirklich löschen?</translation>
    </message>
    <message>
        <source>Deleting Wallet error</source>
        <translation>Fehler beim Löschen der Geldbörse</translation>
    </message>
    <message>
        <source>Deleting Account error</source>
        <translation>Fehler beim Löschen des Kontos</translation>
    </message>
    <message>
        <source>&amp;Reports...</source>
        <translation>&amp;Berichte...</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Show where the money goes and how the balances moved</source>
        <translation>Zeigen, wohin das Geld geht und wie sich die Kontostände entwickelt haben</translation>
    </message>
    <message>
        <source>&amp;Back Up Now...</source>
        <translation>&amp;Jetzt sichern...</translation>
    </message>
    <message>
        <source>&amp;Restore Backup...</source>
        <translation>Sicherung &amp;zurückholen...</translation>
    </message>
    <message>
        <source>&amp;Standing Orders...</source>
        <translation>&amp;Daueraufträge...</translation>
    </message>
    <message>
        <source>A new, empty data file was made: %1</source>
        <translation>Eine neue, leere Datendatei wurde angelegt: %1</translation>
    </message>
    <message>
        <source>Booked by standing order: %1</source>
        <translation>Per Dauerauftrag gebucht: %1</translation>
    </message>
    <message numerus="yes">
        <source>Due in the next 7 days: %n</source>
        <translation>
            <numerusform>In den nächsten 7 Tagen fällig: %n</numerusform>
            <numerusform>In den nächsten 7 Tagen fällig: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Tavrin Budget data (*.mdb)</source>
        <translation>Tavrin-Budget-Daten (*.mdb)</translation>
    </message>
    <message>
        <source>Backed up to %1</source>
        <translation>Gesichert in %1</translation>
    </message>
</context>
<context>
    <name>TFrmReports</name>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Income and Spending</source>
        <translation>Einnahmen und Ausgaben</translation>
    </message>
    <message>
        <source>Where the Money Goes</source>
        <translation>Wohin das Geld geht</translation>
    </message>
    <message>
        <source>Balance over Time</source>
        <translation>Kontostand im Zeitverlauf</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Save the chart as a picture or PDF (Ctrl+S)</source>
        <translation>Diagramm als Bild oder PDF speichern (Strg+S)</translation>
    </message>
    <message>
        <source>Acc/Wal:</source>
        <translation>Konto/Geldbörse:</translation>
    </message>
    <message>
        <source>Acc/Wal</source>
        <translation>Konto/Geldbörse</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <source>All Years</source>
        <translation>Alle Jahre</translation>
    </message>
    <message>
        <source>From/To</source>
        <translation>Von/Bis</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitspanne</translation>
    </message>
    <message>
        <source>From month</source>
        <translation>Von Monat</translation>
    </message>
    <message>
        <source>To month</source>
        <translation>Bis Monat</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>By purpose</source>
        <translation>Nach Verwendungszweck</translation>
    </message>
    <message>
        <source>By payee</source>
        <translation>Nach Empfänger</translation>
    </message>
    <message>
        <source>Table: %1</source>
        <translation>Tabelle: %1</translation>
    </message>
    <message>
        <source>Transfers In</source>
        <translation>Eingehende Umbuchungen</translation>
    </message>
    <message>
        <source>Transfers Out</source>
        <translation>Ausgehende Umbuchungen</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Verwendungszweck</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Bookings</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>TFrmRestoreBackup</name>
    <message>
        <source>Restore Backup</source>
        <translation>Sicherung zurückholen</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Angelegt</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Holders</source>
        <translation>Konten und Geldbörsen</translation>
    </message>
    <message>
        <source>Bookings</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>&amp;Backups, the newest first:</source>
        <translation>&amp;Sicherungen, die neueste zuerst:</translation>
    </message>
    <message>
        <source>&amp;Restore...</source>
        <translation>&amp;Zurückholen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>Restore the backup &quot;%1&quot; of %2?
Your data file is replaced by it; the data file as it is now is kept as a backup first, so this can be undone.</source>
        <translation>Die Sicherung „%1“ vom %2 zurückholen?
Ihre Datendatei wird durch sie ersetzt; die Datendatei, wie sie jetzt ist, wird vorher als Sicherung aufbewahrt, so dass sich das rückgängig machen lässt.</translation>
    </message>
</context>
<context>
    <name>TFrmStandingOrder</name>
    <message>
        <source>New Standing Order</source>
        <translation>Neuer Dauerauftrag</translation>
    </message>
    <message>
        <source>Booking</source>
        <translation>Buchung</translation>
    </message>
    <message>
        <source>D&amp;eposit</source>
        <translation>&amp;Einzahlung</translation>
    </message>
    <message>
        <source>&amp;Debit</source>
        <translation>&amp;Abbuchung</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Umbuchung</translation>
    </message>
    <message>
        <source>Acc/&amp;Wal:</source>
        <translation>Konto/&amp;Geldbörse:</translation>
    </message>
    <message>
        <source>De&amp;stination:</source>
        <translation>&amp;Ziel:</translation>
    </message>
    <message>
        <source>&amp;From/To:</source>
        <translation>&amp;Von/An:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Betrag:</translation>
    </message>
    <message>
        <source>F&amp;or:</source>
        <translation>Ve&amp;rwendungszweck:</translation>
    </message>
    <message>
        <source>&amp;Memo:</source>
        <translation>&amp;Notiz:</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Rhythmus</translation>
    </message>
    <message>
        <source>E&amp;very:</source>
        <translation>A&amp;lle:</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>First date</source>
        <translation>Erster Termin</translation>
    </message>
    <message>
        <source>F&amp;irst date:</source>
        <translation>Erster &amp;Termin:</translation>
    </message>
    <message>
        <source>&amp;No end</source>
        <translation>&amp;Kein Ende</translation>
    </message>
    <message>
        <source>&amp;Until:</source>
        <translation>B&amp;is:</translation>
    </message>
    <message>
        <source>Last date</source>
        <translation>Letzter Termin</translation>
    </message>
    <message>
        <source>Num&amp;ber of times:</source>
        <translation>An&amp;zahl:</translation>
    </message>
    <message>
        <source>Number of times</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>On a Saturday or Sunday:</source>
        <translation>An einem Samstag oder Sonntag:</translation>
    </message>
    <message>
        <source>On a Saturday or Sunday</source>
        <translation>An einem Samstag oder Sonntag</translation>
    </message>
    <message>
        <source>Amount &amp;varies</source>
        <translation>Betrag &amp;schwankt</translation>
    </message>
    <message>
        <source>Book by itself without &amp;asking</source>
        <translation>&amp;Ohne Nachfrage selbst buchen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Acc/&amp;Wal (source):</source>
        <translation>Konto/&amp;Geldbörse (Quelle):</translation>
    </message>
    <message>
        <source>Edit Standing Order</source>
        <translation>Dauerauftrag bearbeiten</translation>
    </message>
    <message>
        <source>Please select Source Account/Wallet!</source>
        <translation>Bitte wählen Sie die Quelle (Konto oder Geldbörse)!</translation>
    </message>
    <message>
        <source>Please select an Account/Wallet!</source>
        <translation>Bitte wählen Sie ein Konto oder eine Geldbörse!</translation>
    </message>
    <message>
        <source>Please select Destination Account/Wallet!</source>
        <translation>Bitte wählen Sie das Ziel (Konto oder Geldbörse)!</translation>
    </message>
    <message>
        <source>The source and the destination must be two different Accounts/Wallets.</source>
        <translation>Quelle und Ziel müssen zwei verschiedene Konten oder Geldbörsen sein.</translation>
    </message>
    <message>
        <source>Please input inofrmation for &quot;From&quot;</source>
        <translation>Bitte geben Sie den Auftraggeber bzw. Empfänger an!</translation>
    </message>
    <message>
        <source>Please input the amount of the standing order.</source>
        <translation>Bitte geben Sie den Betrag des Dauerauftrags ein.</translation>
    </message>
    <message>
        <source>The amount of the standing order is not a valid number.</source>
        <translation>Der Betrag des Dauerauftrags ist keine gültige Zahl.</translation>
    </message>
    <message>
        <source>The amount of the standing order must be a positive number.</source>
        <translation>Der Betrag des Dauerauftrags muss eine positive Zahl sein.</translation>
    </message>
    <message>
        <source>The last date lies before the first date.</source>
        <translation>Der letzte Termin liegt vor dem ersten.</translation>
    </message>
    <message>
        <source>This is not a standing order that can be kept: %1</source>
        <translation>Dieser Dauerauftrag kann so nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Error occured!</source>
        <translation>Es ist ein Fehler aufgetreten!</translation>
    </message>
</context>
<context>
    <name>TFrmStandingOrders</name>
    <message>
        <source>Standing Orders</source>
        <translation>Daueraufträge</translation>
    </message>
    <message>
        <source>Standing orders</source>
        <translation>Daueraufträge</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster Termin</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Acc/Wal</source>
        <translation>Konto/Geldbörse</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Rhythmus</translation>
    </message>
    <message>
        <source>For</source>
        <translation>Verwendungszweck</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>Anhalten/Fortsetzen</translation>
    </message>
    <message>
        <source>Book Now</source>
        <translation>Jetzt buchen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Books by itself</source>
        <translation>Bucht selbst</translation>
    </message>
    <message>
        <source>Amount varies</source>
        <translation>Betrag schwankt</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Please select a standing order to delete!</source>
        <translation>Bitte wählen Sie einen Dauerauftrag zum Löschen!</translation>
    </message>
    <message>
        <source>Delete this standing order? The bookings it made stay.</source>
        <translation>Diesen Dauerauftrag löschen? Seine Buchungen bleiben.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>This standing order has no occurrence left to book.</source>
        <translation>Dieser Dauerauftrag hat keinen Termin mehr zu buchen.</translation>
    </message>
    <message>
        <source>Book %1 of %2 now?</source>
        <translation>%1 vom %2 jetzt buchen?</translation>
    </message>
    <message>
        <source>The source balance will go negative, are you sure to continue?!</source>
        <translation>Der Kontostand der Quelle wird negativ. Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>The balance will go negative, are you sure to continue?!</source>
        <translation>Der Kontostand wird negativ. Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>The source Account or wallet is not allowed go negative!</source>
        <translation>Die Quelle (Konto oder Geldbörse) darf nicht ins Minus gehen!</translation>
    </message>
    <message>
        <source>The Account or wallet is not allowed go negative!</source>
        <translation>Das Konto bzw. die Geldbörse darf nicht ins Minus gehen!</translation>
    </message>
</context>
<context>
    <name>TFrmTransfer</name>
    <message>
        <source>---Account---</source>
        <translation>---Konten---</translation>
    </message>
    <message>
        <source>---Wallet---</source>
        <translation>---Geldbörsen---</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Umbuchung</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wechseln</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Transfer info</source>
        <translation>Angaben zur Umbuchung</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Auftraggeber:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>For:</source>
        <translation>Verwendungszweck:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Edit Transfer</source>
        <translation>Umbuchung bearbeiten</translation>
    </message>
    <message>
        <source>Please input inofrmation for &quot;From&quot;</source>
        <translation>Bitte geben Sie den Auftraggeber bzw. Empfänger an!</translation>
    </message>
    <message>
        <source>Please input the AMOUNT for deposit</source>
        <translation>Bitte geben Sie den BETRAG ein!</translation>
    </message>
    <message>
        <source>The AMOUNT for deposit is not a valid number.</source>
        <translation>Der BETRAG ist keine gültige Zahl.</translation>
    </message>
    <message>
        <source>The source balance will go negative, are you sure to continue?!</source>
        <translation>Der Kontostand der Quelle wird negativ. Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>The source Account or wallet is not allowed go negative!</source>
        <translation>Die Quelle (Konto oder Geldbörse) darf nicht ins Minus gehen!</translation>
    </message>
    <message>
        <source>Error occured!</source>
        <translation>Es ist ein Fehler aufgetreten!</translation>
    </message>
    <message>
        <source>Please select Source Account/Wallet!</source>
        <translation>Bitte wählen Sie die Quelle (Konto oder Geldbörse)!</translation>
    </message>
    <message>
        <source>Please select Destination Account/Wallet!</source>
        <translation>Bitte wählen Sie das Ziel (Konto oder Geldbörse)!</translation>
    </message>
</context>
<context>
    <name>TFrmUndoImport</name>
    <message>
        <source>(deleted)</source>
        <translation>(gelöscht)</translation>
    </message>
    <message>
        <source>Undo Import</source>
        <translation>Import rückgängig machen</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Account or wallet</source>
        <translation>Konto oder Geldbörse</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Imports</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>&amp;Imports, the newest first:</source>
        <translation>&amp;Importe, die neuesten zuerst:</translation>
    </message>
    <message>
        <source>&amp;Undo Import...</source>
        <translation>Import &amp;rückgängig machen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Take back the import of &quot;%1&quot; into %2 (%3, together %4)?
Its bookings are deleted and the balance follows; its rows may be imported again.</source>
        <translation>Den Import von „%1“ in %2 (%3, zusammen %4) rückgängig machen?
Seine Buchungen werden gelöscht und der Kontostand wird angepasst; seine Zeilen können erneut importiert werden.</translation>
    </message>
</context>
<context>
    <name>TFrmWallet</name>
    <message>
        <source>New Wallet</source>
        <translation>Neue Geldbörse</translation>
    </message>
    <message>
        <source>Wallet Name:</source>
        <translation>Name der Geldbörse:</translation>
    </message>
    <message>
        <source>Allow wallet to go negative</source>
        <translation>Geldbörse darf ins Minus gehen</translation>
    </message>
    <message>
        <source>Warn when wallet goes negative</source>
        <translation>Warnen, wenn die Geldbörse ins Minus geht</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Please enter a wallet name!</source>
        <translation>Bitte geben Sie einen Namen für die Geldbörse ein!</translation>
    </message>
    <message>
        <source>Sorry, add wallet error!</source>
        <translation>Die Geldbörse konnte leider nicht angelegt werden!</translation>
    </message>
    <message>
        <source>of total</source>
        <translation>vom Gesamtbestand</translation>
    </message>
    <message>
        <source>View/Edit wallet</source>
        <translation>Geldbörse anzeigen/bearbeiten</translation>
    </message>
</context>
<context>
    <name>TGridModel</name>
    <message>
        <source>The sum of %1 is too large.</source>
        <translation>Die Summe von %1 ist zu groß.</translation>
    </message>
</context>
<context>
    <name>TGridPrinter</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>Der Drucker konnte keine neue Seite beginnen.</translation>
    </message>
    <message>
        <source>Printed: %1</source>
        <translation>Gedruckt: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>THistoryGrid</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>SUM</source>
        <translation>SUMME</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Acc/Wal</source>
        <translation>Konto/Geldbörse</translation>
    </message>
    <message>
        <source>from</source>
        <translation>Empfänger/Auftraggeber</translation>
    </message>
    <message>
        <source>for</source>
        <translation>Verwendungszweck</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>memo</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>THistorySearch</name>
    <message>
        <source>-----All-----</source>
        <translation>-----Alle-----</translation>
    </message>
    <message>
        <source>---Account---</source>
        <translation>---Konten---</translation>
    </message>
    <message>
        <source>---Wallet---</source>
        <translation>---Geldbörsen---</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Debit</source>
        <translation>Abbuchung</translation>
    </message>
    <message>
        <source>Trans in</source>
        <translation>Eingehende Umbuchung</translation>
    </message>
    <message>
        <source>Trans out</source>
        <translation>Ausgehende Umbuchung</translation>
    </message>
    <message>
        <source>All accounts</source>
        <translation>Alle Konten</translation>
    </message>
    <message>
        <source>All wallets</source>
        <translation>Alle Geldbörsen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Acc/Wal: %1</source>
        <translation>Konto/Geldbörse: %1</translation>
    </message>
    <message>
        <source>Period: %1</source>
        <translation>Zeitraum: %1</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Period: %1 to %2</source>
        <translation>Zeitraum: %1 bis %2</translation>
    </message>
</context>
<context>
    <name>TImageBase</name>
    <message>
        <source>Cannot open file &quot;%1&quot;.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>TImportDate</name>
    <message>
        <source>day, month, year</source>
        <translation>Tag, Monat, Jahr</translation>
    </message>
    <message>
        <source>month, day, year</source>
        <translation>Monat, Tag, Jahr</translation>
    </message>
    <message>
        <source>year, month, day</source>
        <translation>Jahr, Monat, Tag</translation>
    </message>
    <message>
        <source>There is no date.</source>
        <translation>Es fehlt das Datum.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date in the order %2.</source>
        <translation>„%1“ ist kein Datum in der Reihenfolge %2.</translation>
    </message>
</context>
<context>
    <name>TImportFormat</name>
    <message>
        <source>export CSV from your bank.</source>
        <translation>Exportieren Sie bei Ihrer Bank eine CSV-Datei.</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Tabellendokument</translation>
    </message>
    <message>
        <source>This is a spreadsheet, not a statement: %1</source>
        <translation>Dies ist ein Tabellendokument, kein Kontoauszug: %1</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>This is a PDF, not a statement: %1</source>
        <translation>Dies ist ein PDF, kein Kontoauszug: %1</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binärdatei</translation>
    </message>
    <message>
        <source>This is not a text file, so it cannot be a statement: %1</source>
        <translation>Dies ist keine Textdatei und kann daher kein Kontoauszug sein: %1</translation>
    </message>
</context>
<context>
    <name>TImportPreviewModel</name>
    <message>
        <source>(out of range)</source>
        <translation>(außerhalb des Bereichs)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln row</source>
        <translation>
            <numerusform>%Ln Zeile</numerusform>
            <numerusform>%Ln Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows</source>
        <translation>
            <numerusform>%Ln Zeile</numerusform>
            <numerusform>%Ln Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 ticked: deposits %3, debits %4, together %5.</source>
        <translation>%1 von %2 angekreuzt: Einzahlungen %3, Abbuchungen %4, zusammen %5.</translation>
    </message>
    <message>
        <source>Balance of %1: %2 now, %3 after the import.</source>
        <translation>Kontostand von %1: jetzt %2, nach dem Import %3.</translation>
    </message>
    <message>
        <source>1 row disagrees with the statement&apos;s balances: it is marked and not ticked. Check its amount against the statement.</source>
        <translation>1 Zeile passt nicht zu den Salden des Kontoauszugs: Sie ist markiert und nicht angekreuzt. Vergleichen Sie ihren Betrag mit dem Kontoauszug.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows disagree with the statement&apos;s balances: they are marked and not ticked. Check their amounts against the statement.</source>
        <translation>
            <numerusform>%Ln Zeile passt nicht zu den Salden des Kontoauszugs: Sie ist markiert und nicht angekreuzt. Vergleichen Sie ihren Betrag mit dem Kontoauszug.</numerusform>
            <numerusform>%Ln Zeilen passen nicht zu den Salden des Kontoauszugs: Sie sind markiert und nicht angekreuzt. Vergleichen Sie ihre Beträge mit dem Kontoauszug.</numerusform>
        </translation>
    </message>
    <message>
        <source>The statement&apos;s balances confirm its amount.</source>
        <translation>Die Salden des Kontoauszugs bestätigen seinen Betrag.</translation>
    </message>
    <message>
        <source>The statement&apos;s balances confirm all %1 amounts.</source>
        <translation>Die Salden des Kontoauszugs bestätigen alle %1 Beträge.</translation>
    </message>
    <message>
        <source>The statement&apos;s balances confirm %1 of the %2 amounts; the others have no balance before them to be checked against.</source>
        <translation>Die Salden des Kontoauszugs bestätigen %1 der %2 Beträge; für die übrigen gibt es keinen vorhergehenden Saldo, mit dem sie verglichen werden könnten.</translation>
    </message>
    <message>
        <source>The statement&apos;s opening and closing balances confirm the sum of its amounts.</source>
        <translation>Anfangs- und Endsaldo des Kontoauszugs bestätigen die Summe seiner Beträge.</translation>
    </message>
    <message>
        <source>The statement&apos;s amounts add up to %1, which its opening and closing balances do not confirm: a row may be missing or misread.</source>
        <translation>Die Beträge des Kontoauszugs ergeben zusammen %1, was Anfangs- und Endsaldo nicht bestätigen: Möglicherweise fehlt eine Zeile oder wurde falsch gelesen.</translation>
    </message>
    <message>
        <source>After the import, %1 stands at %2 at the end of %3, as the statement&apos;s closing balance says.</source>
        <translation>Nach dem Import steht %1 zum Tagesende am %3 bei %2, wie es der Endsaldo des Kontoauszugs angibt.</translation>
    </message>
    <message>
        <source>After the import, %1 would stand at %2 at the end of %3, but the statement&apos;s closing balance is %4: %5 apart.</source>
        <translation>Nach dem Import stünde %1 zum Tagesende am %3 bei %2, der Endsaldo des Kontoauszugs beträgt aber %4: %5 Unterschied.</translation>
    </message>
    <message>
        <source>1 row is a booking typed before the statement came: unticked, it is linked to that booking, not booked again.</source>
        <translation>1 Zeile ist eine Buchung, die schon vor dem Kontoauszug erfasst wurde: Nicht angekreuzt wird sie mit dieser Buchung verknüpft und nicht noch einmal gebucht.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows are bookings typed before the statement came: unticked, they are linked to those bookings, not booked again.</source>
        <translation>
            <numerusform>%Ln Zeile ist eine Buchung, die schon vor dem Kontoauszug erfasst wurde: Nicht angekreuzt wird sie mit dieser Buchung verknüpft und nicht noch einmal gebucht.</numerusform>
            <numerusform>%Ln Zeilen sind Buchungen, die schon vor dem Kontoauszug erfasst wurden: Nicht angekreuzt werden sie mit diesen Buchungen verknüpft und nicht noch einmal gebucht.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 row is not final at the bank yet (pending, reverted or declined) and is not ticked.</source>
        <translation>1 Zeile ist bei der Bank noch nicht endgültig (vorgemerkt, storniert oder abgelehnt) und ist nicht angekreuzt.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows are not final at the bank yet (pending, reverted or declined) and are not ticked.</source>
        <translation>
            <numerusform>%Ln Zeile ist bei der Bank noch nicht endgültig (vorgemerkt, storniert oder abgelehnt) und ist nicht angekreuzt.</numerusform>
            <numerusform>%Ln Zeilen sind bei der Bank noch nicht endgültig (vorgemerkt, storniert oder abgelehnt) und sind nicht angekreuzt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported before</source>
        <translation>Schon importiert</translation>
    </message>
    <message>
        <source>Typed before: %1</source>
        <translation>Schon erfasst: %1</translation>
    </message>
    <message>
        <source>Typed before: %1, %2</source>
        <translation>Schon erfasst: %1, %2</translation>
    </message>
    <message>
        <source>Not final: %1</source>
        <translation>Nicht endgültig: %1</translation>
    </message>
    <message>
        <source>Balance disagrees</source>
        <translation>Saldo passt nicht</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Imported before, from this or an earlier statement. Tick it to book it again.</source>
        <translation>Schon importiert, aus diesem oder einem früheren Kontoauszug. Kreuzen Sie die Zeile an, um sie noch einmal zu buchen.</translation>
    </message>
    <message>
        <source>You typed this booking by hand before the statement came. Left unticked, the import links this row to it and books nothing; tick it to book it a second time.</source>
        <translation>Sie haben diese Buchung schon vor dem Kontoauszug von Hand erfasst. Ohne Kreuz verknüpft der Import diese Zeile mit ihr und bucht nichts; kreuzen Sie sie an, um sie ein zweites Mal zu buchen.</translation>
    </message>
    <message>
        <source>The bank has not finished this transaction (&quot;%1&quot;); it may still change or go away. Tick it to book it now.</source>
        <translation>Die Bank hat diesen Umsatz noch nicht abgeschlossen („%1“); er kann sich noch ändern oder entfallen. Kreuzen Sie die Zeile an, um sie jetzt zu buchen.</translation>
    </message>
    <message>
        <source>The statement&apos;s balance column does not confirm this amount: the balance before it and the amount do not make the balance after it. Check it against the statement.</source>
        <translation>Die Saldospalte des Kontoauszugs bestätigt diesen Betrag nicht: Der vorhergehende Saldo und der Betrag ergeben nicht den folgenden Saldo. Vergleichen Sie ihn mit dem Kontoauszug.</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Buchen</translation>
    </message>
    <message>
        <source>Do not book</source>
        <translation>Nicht buchen</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ausgelassen</translation>
    </message>
    <message>
        <source>Balance line</source>
        <translation>Saldozeile</translation>
    </message>
    <message>
        <source>Not read</source>
        <translation>Nicht gelesen</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Empfänger/Auftraggeber</translation>
    </message>
    <message>
        <source>For</source>
        <translation>Verwendungszweck</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <extracomment>The format of a statement line&apos;s date in the preview (QDate&apos;s format letters), e.g. 2 Mar 2026.</extracomment>
        <translation>d. MMM yyyy</translation>
    </message>
    <message>
        <source>A standing order expects this payment. Booked, the row books it, and it is no longer due.</source>
        <translation>Ein Dauerauftrag erwartet diese Zahlung. Wird die Zeile gebucht, bucht sie ihn, und er ist nicht mehr fällig.</translation>
    </message>
</context>
<context>
    <name>TImportProfiles</name>
    <message>
        <source>There is no import profile named &quot;%1&quot;.</source>
        <translation>Es gibt kein Importprofil namens „%1“.</translation>
    </message>
</context>
<context>
    <name>TImportStore</name>
    <message>
        <source>The balance of the account or wallet %1 would be out of range.</source>
        <translation>Der Kontostand des Kontos bzw. der Geldbörse %1 läge außerhalb des zulässigen Bereichs.</translation>
    </message>
</context>
<context>
    <name>TLedgerQuery</name>
    <message>
        <source>&quot;%1&quot; is not an amount of money.</source>
        <translation>„%1“ ist kein Geldbetrag.</translation>
    </message>
</context>
<context>
    <name>TMessageService</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Frage</translation>
    </message>
</context>
<context>
    <name>TNegativeRefusal</name>
    <message>
        <source>The account or wallet may not go negative.</source>
        <translation>Das Konto bzw. die Geldbörse darf nicht ins Minus gehen.</translation>
    </message>
    <message>
        <source>The booking that takes the balance below 0 was not confirmed.</source>
        <translation>Die Buchung, die den Kontostand unter 0 bringt, wurde nicht bestätigt.</translation>
    </message>
</context>
<context>
    <name>TNewDataFile</name>
    <message>
        <source>%1 exists; it is left as it is.</source>
        <translation>%1 ist vorhanden; die Datei bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>The folder of %1 cannot be made.</source>
        <translation>Der Ordner von %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>TOfxReader</name>
    <message>
        <source>The file could not be read: %1</source>
        <translation>Die Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The file is not an OFX or QFX bank statement.</source>
        <translation>Die Datei ist kein Kontoauszug im Format OFX oder QFX.</translation>
    </message>
    <message>
        <source>The file could not be copied for reading: %1</source>
        <translation>Die Datei konnte nicht zum Lesen kopiert werden: %1</translation>
    </message>
    <message>
        <source>There is no date (DTPOSTED).</source>
        <translation>Es fehlt das Datum (DTPOSTED).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date.</source>
        <translation>„%1“ ist kein Datum.</translation>
    </message>
    <message>
        <source>There is no amount (TRNAMT).</source>
        <translation>Es fehlt der Betrag (TRNAMT).</translation>
    </message>
    <message>
        <source>This transaction could not be read; the file is damaged here.</source>
        <translation>Dieser Umsatz konnte nicht gelesen werden; die Datei ist an dieser Stelle beschädigt.</translation>
    </message>
    <message>
        <source>The file is incomplete: it ends in the middle of the statement, perhaps because the download was cut off. Download the statement again.</source>
        <translation>Die Datei ist unvollständig: Sie endet mitten im Kontoauszug, vielleicht weil der Download abgebrochen wurde. Laden Sie den Kontoauszug erneut herunter.</translation>
    </message>
    <message>
        <source>The statement holds no transactions.</source>
        <translation>Der Kontoauszug enthält keine Umsätze.</translation>
    </message>
    <message>
        <source>This transaction is cut off where the file ends.</source>
        <translation>Dieser Umsatz bricht am Ende der Datei ab.</translation>
    </message>
</context>
<context>
    <name>TOpenCheck</name>
    <message>
        <source> The file was left as it is.</source>
        <translation> Die Datei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>The data file %1 is empty (0 bytes): it holds no data.</source>
        <translation>Die Datendatei %1 ist leer (0 Byte): Sie enthält keine Daten.</translation>
    </message>
    <message>
        <source>The data file %1 is a Microsoft Access database. This program keeps its data in an SQLite file and cannot read an Access file.</source>
        <translation>Die Datendatei %1 ist eine Microsoft-Access-Datenbank. Dieses Programm speichert seine Daten in einer SQLite-Datei und kann keine Access-Datei lesen.</translation>
    </message>
    <message>
        <source>The folder %1 that holds the data file is read-only, so nothing could be saved. Allow changes to the folder and start the program again.</source>
        <translation>Der Ordner %1 mit der Datendatei ist schreibgeschützt, daher könnte nichts gespeichert werden. Erlauben Sie Änderungen an dem Ordner und starten Sie das Programm erneut.</translation>
    </message>
    <message>
        <source>The data file %1 is read-only, so nothing could be saved in it. Allow changes to the file (and to its folder) and start the program again.</source>
        <translation>Die Datendatei %1 ist schreibgeschützt, daher könnte darin nichts gespeichert werden. Erlauben Sie Änderungen an der Datei (und an ihrem Ordner) und starten Sie das Programm erneut.</translation>
    </message>
    <message>
        <source>The data file %1 could not be opened.</source>
        <translation>Die Datendatei %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The data file %1 was not found. Put your Data.mdb beside the program, or create a new one with budget-createdb, and start the program again.</source>
        <translation>Die Datendatei %1 wurde nicht gefunden. Legen Sie Ihre Data.mdb neben das Programm oder legen Sie mit budget-createdb eine neue an und starten Sie das Programm erneut.</translation>
    </message>
    <message>
        <source>The data file %1 is not a Tavrin Budget data file, or it is damaged beyond reading.</source>
        <translation>Die Datendatei %1 ist keine Datendatei von Tavrin Budget oder so beschädigt, dass sie nicht gelesen werden kann.</translation>
    </message>
    <message>
        <source>The data file %1 is damaged (it may have been cut short). Restore a copy from the folder &quot;backup&quot; beside it.</source>
        <translation>Die Datendatei %1 ist beschädigt (möglicherweise wurde sie abgeschnitten). Stellen Sie eine Kopie aus dem Ordner „backup“ daneben wieder her.</translation>
    </message>
    <message>
        <source>The data file %1 is in use by another program, which keeps it locked. Close that program and start this one again.</source>
        <translation>Die Datendatei %1 wird von einem anderen Programm verwendet und ist gesperrt. Schließen Sie dieses Programm und starten Sie Tavrin Budget erneut.</translation>
    </message>
    <message>
        <source>The data file %1 could not be read.</source>
        <translation>Die Datendatei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The data file %1 is a database, but not a Tavrin Budget data file: it lacks the tables %2.</source>
        <translation>Die Datendatei %1 ist eine Datenbank, aber keine Datendatei von Tavrin Budget: Ihr fehlen die Tabellen %2.</translation>
    </message>
    <message>
        <source>The data file %1 is a database, but not a Tavrin Budget data file: it lacks the table %2.</source>
        <translation>Die Datendatei %1 ist eine Datenbank, aber keine Datendatei von Tavrin Budget: Ihr fehlt die Tabelle %2.</translation>
    </message>
    <message>
        <source>The data file %1 was written by a newer version of Tavrin Budget (data version %2; this program knows versions up to %3). Open it with the newer program.</source>
        <translation>Die Datendatei %1 wurde von einer neueren Version von Tavrin Budget geschrieben (Datenversion %2; dieses Programm kennt Versionen bis %3). Öffnen Sie sie mit dem neueren Programm.</translation>
    </message>
</context>
<context>
    <name>TOrderPayments</name>
    <message>
        <source>The standing order of %1 no longer exists.</source>
        <translation>Der Dauerauftrag vom %1 besteht nicht mehr.</translation>
    </message>
</context>
<context>
    <name>TOrderStore</name>
    <message>
        <source>The occurrence of %1 of the standing order %2 is no longer due.</source>
        <translation>Der Termin vom %1 des Dauerauftrags %2 ist nicht mehr fällig.</translation>
    </message>
    <message>
        <source>The standing order %1 does not exist.</source>
        <translation>Den Dauerauftrag %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>Standing order of %1</source>
        <translation>Dauerauftrag vom %1</translation>
    </message>
    <message>
        <source>%1, standing order of %2</source>
        <translation>%1, Dauerauftrag vom %2</translation>
    </message>
</context>
<context>
    <name>TOrderTexts</name>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Debit</source>
        <translation>Abbuchung</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Umbuchung</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Jeden Tag</translation>
    </message>
    <message numerus="yes">
        <source>Every %n days</source>
        <translation>
            <numerusform>Alle %n Tage</numerusform>
            <numerusform>Alle %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Jede Woche</translation>
    </message>
    <message numerus="yes">
        <source>Every %n weeks</source>
        <translation>
            <numerusform>Alle %n Wochen</numerusform>
            <numerusform>Alle %n Wochen</numerusform>
        </translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Jeden Monat</translation>
    </message>
    <message numerus="yes">
        <source>Every %n months</source>
        <translation>
            <numerusform>Alle %n Monate</numerusform>
            <numerusform>Alle %n Monate</numerusform>
        </translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Jedes Jahr</translation>
    </message>
    <message numerus="yes">
        <source>Every %n years</source>
        <translation>
            <numerusform>Alle %n Jahre</numerusform>
            <numerusform>Alle %n Jahre</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <translation>%1, bis %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, number of times: %n</source>
        <translation>
            <numerusform>%1, Anzahl: %n</numerusform>
            <numerusform>%1, Anzahl: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 -&gt; %2</source>
        <translation>%1 -&gt; %2</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Keep the day</source>
        <translation>Den Tag behalten</translation>
    </message>
    <message>
        <source>The Friday before</source>
        <translation>Am Freitag davor</translation>
    </message>
    <message>
        <source>The Monday after</source>
        <translation>Am Montag danach</translation>
    </message>
</context>
<context>
    <name>TProgram</name>
    <message>
        <source>Backup restored; the data as it was is kept in %1</source>
        <translation>Sicherung zurückgeholt; die Daten, wie sie waren, sind in %1 aufbewahrt</translation>
    </message>
</context>
<context>
    <name>TQifReader</name>
    <message>
        <source>The file could not be read: %1</source>
        <translation>Die Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>There is no date (a line starting with D).</source>
        <translation>Es fehlt das Datum (eine Zeile, die mit D beginnt).</translation>
    </message>
    <message>
        <source>There is no amount (a line starting with T).</source>
        <translation>Es fehlt der Betrag (eine Zeile, die mit T beginnt).</translation>
    </message>
    <message>
        <source>The statement&apos;s opening balance; it is not booked.</source>
        <translation>Der Anfangssaldo des Kontoauszugs; er wird nicht gebucht.</translation>
    </message>
    <message>
        <source>The file holds no bank, cash or credit card transactions.</source>
        <translation>Die Datei enthält keine Bank-, Bargeld- oder Kreditkartenumsätze.</translation>
    </message>
</context>
<context>
    <name>TRowSet</name>
    <message>
        <source>The list holds more text than it can keep.</source>
        <translation>Die Liste enthält mehr Text, als sie aufnehmen kann.</translation>
    </message>
</context>
<context>
    <name>TStatement</name>
    <message>
        <source>The amount is 0; there is nothing to book.</source>
        <translation>Der Betrag ist 0; es gibt nichts zu buchen.</translation>
    </message>
</context>
<context>
    <name>TStatementFile</name>
    <message>
        <source>The file %1 could not be opened: %2</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The file %1 is too large for a bank statement (%2 MB).</source>
        <translation>Die Datei %1 ist zu groß für einen Kontoauszug (%2 MB).</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>Die Datei %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
</context>
<context>
    <name>TToolBars</name>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
</context>
<context>
    <name>TWhereMoneyGoes</name>
    <message>
        <source>(no purpose)</source>
        <translation>(ohne Verwendungszweck)</translation>
    </message>
    <message>
        <source>(no payee)</source>
        <translation>(ohne Empfänger)</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Use the given data file instead of the usual one.</source>
        <translation>Die angegebene Datendatei statt der üblichen verwenden.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Open the data file and the help file, say what was found, and end.</source>
        <translation>Datendatei und Hilfedatei öffnen, sagen, was gefunden wurde, und beenden.</translation>
    </message>
    <message>
        <source>Tavrin Budget keeps the accounts, cards and wallets of a household.</source>
        <translation>Tavrin Budget führt die Konten, Karten und Geldbörsen eines Haushalts.</translation>
    </message>
    <message>
        <source>Tavrin Budget is already running with the data file %1, but it does not answer.

Wait a moment and start it again. If it still does not answer, end it and start again.</source>
        <translation>Tavrin Budget läuft bereits mit der Datendatei %1, antwortet aber nicht.

Warten Sie einen Moment und starten Sie es erneut. Antwortet es dann immer noch nicht, beenden Sie es und starten Sie es neu.</translation>
    </message>
</context>
</TS>
