<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A budget keeper for accounts and wallets.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAmountFormat</name>
    <message>
        <source>There is no amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; is not written like the other amounts of the file (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; is too large.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAmountRangeCheck</name>
    <message>
        <source>The minimum amount of money must be a number!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maximum amount of money must be a number!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The minimum amount should not be large than the maximum!!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBackupCheck</name>
    <message>
        <source>the file is missing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBalanceChanges</name>
    <message>
        <source>The amount is out of range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account or wallet %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The balance of the account or wallet %1 would be out of range.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBookingKind</name>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trans Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trans In</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBookingList</name>
    <message>
        <source>Data Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export data with xls, txt or htm format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bookings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TypeName</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acc/Wal name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance Percent(%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit of This Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debit of This Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s Debit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-----All-----</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trans in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trans out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-----None-----</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Last 3 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Last 7 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  This Month</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBookingStore</name>
    <message>
        <source>The booking %1 of table %2 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBookingWidgets</name>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCsvColumnRoles</name>
    <message>
        <source>Not used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount (signed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money paid out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank&apos;s id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid out or received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance (not booked)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCsvReader</name>
    <message>
        <source>The line has %1 columns; the %2 should be in column %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (This entry runs on to line %1; check its quotes.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statement&apos;s opening balance, %1; it is not booked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statement&apos;s opening balance; it is not booked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statement&apos;s closing balance, %1; it is not booked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statement&apos;s closing balance; it is not booked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A balance the statement states, %1; it is not booked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A balance the statement states; it is not booked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A total of the statement; it is not booked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no direction (paid out or received) in column %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The direction &quot;%1&quot; is neither money paid out (%2) nor money received (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are amounts in both the column of money paid out and that of money received.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no amount in the column of money paid out nor in that of money received.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not booked by the bank yet (&quot;%1&quot; instead of a date).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One of the lines the settings skip at the bottom.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearly all amounts of this file are money received. If it is a credit card statement that shows payments as positive amounts, tick &quot;Money paid out has no minus sign&quot; under Settings.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCsvSettings</name>
    <message>
        <source>Choose the character that separates the columns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The decimal separator and the thousands separator must differ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the column of the date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the column of the amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the columns of money paid out and money received.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money paid out and money received must be in different columns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1 cannot hold both the date and an amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1 cannot be both a text and the date or an amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1 cannot also be the date or an amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the values of the direction column that mean money paid out and money received.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The import profile is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The import profile was saved by a newer version of the program.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCsvSettingsBox</name>
    <message>
        <source>Other: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semicolon ;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma ,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bar |</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last skipped line sho&amp;ws the column titles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point .</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apostrophe &apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The values of the column &quot;Paid out or received&quot; that mean this, separated by commas, such as D, DR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money paid out has &amp;no minus sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some card statements show money paid out as positive amounts and money received as negative ones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip lines at &amp;top:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip lines at b&amp;ottom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date o&amp;rder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deci&amp;mal separator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Grouping separator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Columns:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use the column as:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid o&amp;ut when:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recei&amp;ved when:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(not in the file)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCsvTokenizer</name>
    <message>
        <source>A text in quotes is not closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A text in quotes is followed by other characters.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDBGridFooter</name>
    <message>
        <source>Footer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDM</name>
    <message>
        <source>The database is not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database connection is not an SQLite connection.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDailyBackup</name>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot count the bookings of %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the copy %1 is not whole (%2); it was removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the copy %1 holds %2 bookings instead of %3; it was removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot rename %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TExcelWriter</name>
    <message>
        <source>The list cannot be written as an Excel file: with its titles and footer it has %1 rows, and an Excel file holds at most %2. Nothing was written; choose the text or the HTML format instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list cannot be written as an Excel file: it has %1 columns, and an Excel file holds at most %2. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list cannot be written as an Excel file: a cell holds a text of %1 characters, and an Excel cell holds at most %2. Nothing was written; choose the text or the HTML format instead.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TExportCommand</name>
    <message>
        <source>Cannot create %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to lunch the file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel(*.xls)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text(*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>htm(*.htm)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TExportWriter</name>
    <message>
        <source>The file could not be written completely; the disk may be full.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmAccountHistory</name>
    <message>
        <source>Acc/Wal History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Query...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy selected data and paste to excel  document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exp&amp;ort...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close history window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bookings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to delete this record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acc/Wal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acc/Wal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select an record to delete!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmBankAccount</name>
    <message>
        <source>Bank Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank Account Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow bank account to go negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn when bank account goes negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an account name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, add account error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit Card Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View/Edit account</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmDetailBase</name>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Debit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debit info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wallet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Account/Wallet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input inofrmation for &quot;From&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input the AMOUNT for deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The AMOUNT for deposit is not a valid number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The AMOUNT for deposit must be a positive number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The balance will go negative, are you sure to continue?!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Account or wallet is not allowed go negative!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error occured!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmHelp</name>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents and index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyword:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type to find a keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&amp;ndex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Words to search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words to search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages found: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmHistoryQuery</name>
    <message>
        <source>Query for History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acc/Wal:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmHolderBase</name>
    <message>
        <source>Basic Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Association URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmImport</name>
    <message>
        <source>There is no account or wallet to import into yet. Make one with New Account... in the Accounts menu or New Wallet... in the Wallets menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Statement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the statement your bank gave you: CSV, OFX, QFX or QIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name for these settings, such as your bank&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the settings under the name in the Profile box, to be offered first for this account or wallet next time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rows of the statement. Space ticks or unticks the selected rows for booking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typed before: 28 Sep 2024, Landlord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tic&amp;k New Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ticks every row not imported before, and unticks the others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untick A&amp;ll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Account or wallet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;view:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an account or wallet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (wallet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (account)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank statements (*.csv *.txt *.ofx *.qfx *.qif)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 file, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every date of this file fits more than one order: is 03.04. the 3rd of April or the 4th of March? Choose the date order under Settings before importing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no transactions that could be read. Check the settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln of the file&apos;s lines could not be read; it is marked in red with the reason and not booked. Check the settings, or import the rest.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of the file&apos;s lines could not be read; they are marked in red with the reason and not booked. Check the settings, or import the rest.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Every row of this file was imported before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the file was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account or wallet no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
This import would bring the balance of %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The balance will go negative, are you sure to continue?!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Booking %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Account or wallet is not allowed go negative!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The import failed; nothing was booked.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The import was cancelled; nothing was booked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a name for the profile into the Profile box, such as your bank&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These settings cannot read a file yet: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A profile named &quot;%1&quot; exists already. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings are saved as the profile &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmMain</name>
    <message>
        <source>Tavrin Budget V1.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wallets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Statement...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Statusbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Account...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account &amp;Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account &amp;History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account &amp;URL...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wallets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Wallet...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Wallet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wallet &amp;Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wallet &amp;History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wallet &amp;URL...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ransactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Debit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;eposit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Transfer...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calclator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note&amp;pad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online T&amp;utorial...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Product Homepage...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;What&apos;s new...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technical Support...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for &amp;updates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Send Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit your money into your account or wallet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debit an account or a wallet to spend some money</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transfer money from one account to another or from one wallet to another</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Property</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show detail information of a specified account or wallet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acc History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show a historic list for a specified account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wall History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show a historic list for a specified wallet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the help file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebPage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to the author&apos;s webpage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;posit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;bit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&amp;mport Statement...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lunch URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to use Tavrin Bugget V1.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>account Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total: %1  Account: %2  Wallet: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to exit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No calculator was found. Install one, such as GNOME Calculator or KCalc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No text editor was found. Install one, such as GNOME Text Editor or Kate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wallet is using now, please delete its history first!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account is using now, please delete its history first!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to delete this information?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting Wallet error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting Account error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmTransfer</name>
    <message>
        <source>---Account---</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>---Wallet---</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input inofrmation for &quot;From&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input the AMOUNT for deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The AMOUNT for deposit is not a valid number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The source balance will go negative, are you sure to continue?!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The source Account or wallet is not allowed go negative!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error occured!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select Source Account/Wallet!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select Destination Account/Wallet!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmUndoImport</name>
    <message>
        <source>(deleted)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account or wallet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Imports, the newest first:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take back the import of &quot;%1&quot; into %2 (%3, together %4)?
Its bookings are deleted and the balance follows; its rows may be imported again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmWallet</name>
    <message>
        <source>New Wallet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wallet Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow wallet to go negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn when wallet goes negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a wallet name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, add wallet error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View/Edit wallet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TGridModel</name>
    <message>
        <source>The sum of %1 is too large.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TGridPrinter</name>
    <message>
        <source>The printer could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THistoryGrid</name>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acc/Wal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>memo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THistorySearch</name>
    <message>
        <source>-----All-----</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>---Account---</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>---Wallet---</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trans in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trans out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All wallets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acc/Wal: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period: %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TImageBase</name>
    <message>
        <source>Cannot open file &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TImportDate</name>
    <message>
        <source>day, month, year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>month, day, year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>year, month, day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date in the order %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TImportFormat</name>
    <message>
        <source>export CSV from your bank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a spreadsheet, not a statement: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a PDF, not a statement: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a text file, so it cannot be a statement: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TImportPreviewModel</name>
    <message>
        <source>(out of range)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln row</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 ticked: deposits %3, debits %4, together %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance of %1: %2 now, %3 after the import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 row disagrees with the statement&apos;s balances: it is marked and not ticked. Check its amount against the statement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows disagree with the statement&apos;s balances: they are marked and not ticked. Check their amounts against the statement.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The statement&apos;s balances confirm its amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statement&apos;s balances confirm all %1 amounts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statement&apos;s balances confirm %1 of the %2 amounts; the others have no balance before them to be checked against.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statement&apos;s opening and closing balances confirm the sum of its amounts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statement&apos;s amounts add up to %1, which its opening and closing balances do not confirm: a row may be missing or misread.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After the import, %1 stands at %2 at the end of %3, as the statement&apos;s closing balance says.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After the import, %1 would stand at %2 at the end of %3, but the statement&apos;s closing balance is %4: %5 apart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 row is a booking typed before the statement came: unticked, it is linked to that booking, not booked again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows are bookings typed before the statement came: unticked, they are linked to those bookings, not booked again.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 row is not final at the bank yet (pending, reverted or declined) and is not ticked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows are not final at the bank yet (pending, reverted or declined) and are not ticked.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Imported before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typed before: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typed before: %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not final: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance disagrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported before, from this or an earlier statement. Tick it to book it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You typed this booking by hand before the statement came. Left unticked, the import links this row to it and books nothing; tick it to book it a second time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bank has not finished this transaction (&quot;%1&quot;); it may still change or go away. Tick it to book it now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statement&apos;s balance column does not confirm this amount: the balance before it and the amount do not make the balance after it. Check it against the statement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TImportProfiles</name>
    <message>
        <source>There is no import profile named &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TImportStore</name>
    <message>
        <source>The balance of the account or wallet %1 would be out of range.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TLedgerQuery</name>
    <message>
        <source>&quot;%1&quot; is not an amount of money.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMessageService</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TNegativeRefusal</name>
    <message>
        <source>The account or wallet may not go negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The booking that takes the balance below 0 was not confirmed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOfxReader</name>
    <message>
        <source>The file could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not an OFX or QFX bank statement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be copied for reading: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no date (DTPOSTED).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no amount (TRNAMT).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This transaction could not be read; the file is damaged here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is incomplete: it ends in the middle of the statement, perhaps because the download was cut off. Download the statement again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statement holds no transactions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This transaction is cut off where the file ends.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOpenCheck</name>
    <message>
        <source> The file was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file %1 is empty (0 bytes): it holds no data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file %1 is a Microsoft Access database. This program keeps its data in an SQLite file and cannot read an Access file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 that holds the data file is read-only, so nothing could be saved. Allow changes to the folder and start the program again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file %1 is read-only, so nothing could be saved in it. Allow changes to the file (and to its folder) and start the program again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file %1 could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file %1 was not found. Put your Data.mdb beside the program, or create a new one with budget-createdb, and start the program again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file %1 is not a Tavrin Budget data file, or it is damaged beyond reading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file %1 is damaged (it may have been cut short). Restore a copy from the folder &quot;backup&quot; beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file %1 is in use by another program, which keeps it locked. Close that program and start this one again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file %1 could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file %1 is a database, but not a Tavrin Budget data file: it lacks the tables %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file %1 is a database, but not a Tavrin Budget data file: it lacks the table %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file %1 was written by a newer version of Tavrin Budget (data version %2; this program knows versions up to %3). Open it with the newer program.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TQifReader</name>
    <message>
        <source>The file could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no date (a line starting with D).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no amount (a line starting with T).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statement&apos;s opening balance; it is not booked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no bank, cash or credit card transactions.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRowSet</name>
    <message>
        <source>The list holds more text than it can keep.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TStatement</name>
    <message>
        <source>The amount is 0; there is nothing to book.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TStatementFile</name>
    <message>
        <source>The file %1 could not be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is too large for a bank statement (%2 MB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TToolBars</name>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TWhereMoneyGoes</name>
    <message>
        <source>(no purpose)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no payee)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tavrin Budget is already running with the data file %1, but it does not answer.

Wait a moment and start it again. If it still does not answer, end it and start again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
