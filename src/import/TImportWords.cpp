#include "import/TImportWords.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>

namespace {

// One block per language: a key, a colon, and the key's words or phrases separated by "|". Titles
// are matched inside the title (see titleIs); marks and states as the whole value, or states as a
// part of it; balance lines as the whole field without dates, numbers and short words.
//   marks-out / marks-in      values of a direction column: money paid out / received
//   final / pending           values of a state column
//   opening / closing         opening and closing balance lines
//   balance-line              a balance line that says neither opening nor closing
//   turnover / total          turnover and total lines; a bare "total" may be a transaction's text too
const char* const Languages[] = {
    R"(language: en
date: date | posted | posting date | transaction date | booking date | value date
amount: amount | transaction amount | net amount | sum
paid-out: debit | debits | debit amount | withdrawal | withdrawals | paid out | money out | outflow | payments | spent
received: credit | credits | credit amount | deposit | deposits | paid in | money in | inflow | receipts | received
direction: debit/credit | credit/debit | dr/cr | cr/dr | d/c | c/d | direction | in/out | credit debit indicator | dc
balance: balance | running bal | running total | bal
fee: fee | fees | total fees | commission
payee: payee | payer | payee name | payer name | name | counterparty | beneficiary | merchant | recipient | sender | paid to | received from | supplier | vendor | payee/payer | description of counterparty
payee-account: iban | account number | counterparty account | payee account | sort code | partner iban | counterparty iban | payee account number | bic | swift
purpose: description | details | reference | narrative | particulars | purpose | transaction details | text | remittance | label | transaction description | memo line
memo: memo | note | notes | comment | comments | info | additional info | category
state: state | status
bank-id: transaction id | transaction number | transaction no | transaction reference | id | fitid | unique id | reference number
marks-out: d | dr | db | debit | - | out | withdrawal | dbit
marks-in: c | cr | credit | + | in | deposit | crdt
final: completed | complete | booked | posted | settled | cleared | done | executed | processed | successful
pending: pending | reverted | declined | failed | cancelled | canceled | rejected | authorised | authorized | on hold | reserved | in progress | scheduled | not booked
opening: opening balance | beginning balance | starting balance | previous balance | balance brought forward | brought forward | start balance | initial balance
closing: closing balance | ending balance | final balance | new balance | balance carried forward | carried forward | end balance | current balance
balance-line: balance | account balance | ledger balance
turnover: turnover | total debits | total credits
total: total | totals | sum
)",
    R"(language: de
date: datum | buchungstag | buchungsdatum | wertstellung | valuta | valutadatum
amount: betrag | umsatz
paid-out: soll | belastung | lastschrift | ausgang | ausgaben | abgang | auszahlung
received: haben | gutschrift | eingang | einnahmen | zugang | einzahlung
direction: soll/haben | s/h | soll-haben
balance: saldo | kontostand
fee: gebühr | gebuehr | gebühren | gebuehren | entgelt | spesen
payee: empfänger | empfaenger | auftraggeber | begünstigter | beguenstigter | zahlungspflichtige | zahlungsempfänger | zahlungsempfaenger | zahler | gegenpartei | partner | name | partnername | name zahlungsbeteiligter | zahlungsbeteiligter
payee-account: kontonummer | iban | gegenkonto | blz | iban zahlungsbeteiligter | partner iban
purpose: verwendungszweck | beschreibung | vorgang | zweck | buchungsdetails | text | buchungsinformationen
memo: notiz | kommentar | info | kategorie | bemerkung | buchungstext
state: status | zustand
bank-id: transaktions-id | transaktionsnummer | buchungsreferenz
marks-out: s | soll | belastung | ab
marks-in: h | haben | gutschrift | zu
final: gebucht | umsatz gebucht | ausgeführt | ausgefuehrt | erledigt | abgeschlossen
pending: vorgemerkt | umsatz vorgemerkt | in bearbeitung | ausstehend | abgelehnt | storniert | offen | reserviert | nicht gebucht
opening: anfangssaldo | alter kontostand | alter saldo | saldovortrag | anfangsbestand | kontostand alt | vortrag
closing: endsaldo | neuer kontostand | neuer saldo | schlusssaldo | endbestand | kontostand neu | aktueller kontostand
balance-line: kontostand | saldo
turnover: umsätze gesamt | summe soll | summe haben
total: summe | gesamt
)",
    R"(language: fr
date: date | date opération | date de valeur | date comptable
amount: montant | somme
paid-out: débit | dépense | dépenses | sortie | sorties | débit euros
received: crédit | recette | recettes | entrée | entrées | crédit euros
direction: sens | débit/crédit
balance: solde
fee: frais | commission
payee: bénéficiaire | beneficiaire | nom | tiers | contrepartie | émetteur | destinataire | donneur d'ordre
payee-account: compte | iban
purpose: libellé | libelle | motif | détail | detail | description | objet | détail de l'écriture | communication | communications
memo: commentaire | note | catégorie | categorie | information
state: statut | état | etat
bank-id: identifiant | référence de l'opération | numéro de transaction | numéro d'opération
marks-out: débit | d | -
marks-in: crédit | c | +
final: comptabilisé | comptabilisée | exécuté | effectué | validé
pending: en attente | en cours | rejeté | annulé | refusé | à venir | non comptabilisé
opening: solde initial | solde de début | ancien solde | solde précédent | solde d'ouverture | solde au début
closing: solde final | nouveau solde | solde de fin | solde de clôture | solde actuel
balance-line: solde
turnover: total des opérations
total: total | mouvements
)",
    R"(language: nl
date: datum | boekdatum | rentedatum | valutadatum | transactiedatum
amount: bedrag | transactiebedrag
paid-out: af | debet | uitgaven | uit
received: bij | credit | inkomsten | ontvangen
direction: af bij | af/bij | debet/credit
balance: saldo
fee: kosten | transactiekosten
payee: naam | naam tegenpartij | tegenpartij | begunstigde | ontvanger | opdrachtgever
payee-account: tegenrekening | rekening tegenpartij | rekeningnummer tegenpartij | tegenrekening iban
purpose: omschrijving | mededelingen | mededeling
memo: notitie | opmerking | categorie | betalingskenmerk
state: status
bank-id: volgnr | transactie-id | transactiereferentie
marks-out: af | d | debet | -
marks-in: bij | c | credit | +
final: verwerkt | uitgevoerd | geboekt
pending: in behandeling | geweigerd | geannuleerd | gepland | niet geboekt
opening: beginsaldo | oud saldo | vorig saldo | startsaldo
closing: eindsaldo | nieuw saldo
balance-line: saldo
total: totaal
)",
    R"(language: es
date: fecha | f. operación | f. valor | fecha operación | fecha valor
amount: importe | cantidad | monto
paid-out: cargo | cargos | débito | gasto | gastos | salida | retirada | reintegro
received: abono | abonos | ingreso | ingresos | crédito | entrada
direction: cargo/abono
balance: saldo | saldo disponible
fee: comisión | comisiones
payee: beneficiario | destinatario | ordenante | nombre | emisor | remitente | comercio
payee-account: cuenta | iban
purpose: concepto | descripción | descripcion | detalle | movimiento
memo: observaciones | notas | categoría | referencia
state: estado
bank-id: referencia de la operación | id de transacción
marks-out: cargo | d | débito | -
marks-in: abono | c | crédito | +
final: completado | completada | realizado | contabilizado | ejecutado
pending: pendiente | rechazado | cancelado | anulado | retenido | en proceso
opening: saldo inicial | saldo anterior
closing: saldo final | saldo actual
balance-line: saldo
total: total | totales
)",
    R"(language: it
date: data | data contabile | data valuta | data operazione
amount: importo
paid-out: addebiti | addebito | uscite | uscita | dare
received: accrediti | accredito | entrate | entrata | avere
direction: dare/avere | segno
balance: saldo
fee: commissioni | commissione | spese
payee: beneficiario | ordinante | controparte | esercente | nome | destinatario
payee-account: iban | conto
purpose: descrizione | causale | dettagli | operazione | descrizione operazione
memo: note | nota | categoria
state: stato | contabilizzazione
bank-id: id operazione | identificativo
marks-out: d | dare | - | addebito
marks-in: avere | + | accredito | c
final: contabilizzato | eseguito | completato
pending: in sospeso | non contabilizzato | in attesa | rifiutato | annullato | da contabilizzare | autorizzato | in lavorazione
opening: saldo iniziale | saldo precedente
closing: saldo finale
balance-line: saldo | saldo contabile | saldo disponibile
total: totale
)",
    R"(language: pt
date: data | data mov. | data valor | data movimento | data lançamento
amount: montante | valor | quantia
paid-out: débito | debito | saída | saídas | saida
received: crédito | credito | entrada | entradas
direction: débito/crédito | natureza
balance: saldo | saldo contabilístico | saldo disponível
fee: comissão | comissões | taxa | encargos
payee: beneficiário | beneficiario | ordenante | favorecido | destinatário | nome | estabelecimento
payee-account: iban | conta
purpose: descrição | descricao | histórico | historico | descritivo | movimento
memo: observações | categoria | notas
state: estado | situação
bank-id: id da transação
marks-out: d | débito | -
marks-in: c | crédito | +
final: concluído | concluída | efetuado | processado | lançado
pending: pendente | recusado | cancelado | agendado | cativo
opening: saldo inicial | saldo anterior
closing: saldo final | saldo atual
balance-line: saldo
total: total
)",
    R"(language: pl
date: data | data operacji | data księgowania | data waluty | data transakcji
amount: kwota | kwota operacji | wartość
paid-out: obciążenia | obciążenie | wydatki | wypływ
received: uznania | uznanie | wpływy | wpływ | przychody
direction: strona
balance: saldo | saldo po operacji | saldo po transakcji
fee: prowizja | opłata | oplata
payee: odbiorca | nadawca | nadawca/odbiorca | kontrahent | nazwa | zleceniodawca | beneficjent
payee-account: numer konta | rachunek | nr rachunku
purpose: opis | tytuł | tytul | opis transakcji | opis operacji | szczegóły
memo: kategoria | uwagi
state: status
bank-id: identyfikator | numer transakcji | id transakcji
marks-out: obciążenie | d | -
marks-in: uznanie | c | +
final: zaksięgowana | zaksięgowano | wykonana | zrealizowana
pending: oczekująca | oczekujące | odrzucona | anulowana | blokada | w trakcie
opening: saldo początkowe | saldo otwarcia | saldo poprzednie
closing: saldo końcowe | saldo zamknięcia
balance-line: saldo
turnover: obroty
total: suma | razem
)",
    R"(language: cs
date: datum | datum zaúčtování | datum splatnosti | datum provedení
amount: částka | castka | objem | suma
paid-out: výdaj | výdej | odchozí | debet
received: příjem | prijem | příchozí | kredit
direction: směr | příjem/výdaj
balance: zůstatek | zustatek | saldo
fee: poplatek | poplatky
payee: protistrana | název protiúčtu | příjemce | plátce | obchodník | název
payee-account: protiúčet | protiucet | číslo účtu | kód banky
purpose: zpráva pro příjemce | zpráva | popis | účel | detail
memo: poznámka | poznamka | kategorie
state: stav
bank-id: id pohybu | id transakce | identifikace transakce
marks-out: d | debet | výdaj | -
marks-in: k | kredit | příjem | +
final: zaúčtováno | provedeno | dokončeno
pending: čeká | čekající | zamítnuto | zrušeno | blokace | nezaúčtováno | rezervace
opening: počáteční zůstatek | počáteční stav | zůstatek na začátku
closing: konečný zůstatek | konečný stav | zůstatek na konci
balance-line: zůstatek
turnover: obrat
total: celkem | suma
)",
    R"(language: sk
date: dátum | dátum zaúčtovania | dátum transakcie
amount: suma | čiastka | ciastka | objem
paid-out: debet | výdavok | odchádzajúce
received: kredit | príjem | prichádzajúce
direction: smer
balance: zostatok | saldo
fee: poplatok | poplatky
payee: protistrana | príjemca | platiteľ | názov | obchodník | meno
payee-account: protiúčet | číslo účtu | iban protistrany
purpose: popis | správa | správa pre prijímateľa | účel | detail
memo: poznámka | kategória
state: stav
bank-id: id transakcie
marks-out: d | debet | -
marks-in: k | kredit | +
final: zaúčtované | vykonané
pending: čakajúce | zamietnuté | zrušené | blokácia
opening: počiatočný zostatok
closing: konečný zostatok
balance-line: zostatok
turnover: obrat
total: spolu
)",
    R"(language: lt
date: data | operacijos data
amount: suma
paid-out: debetas | išlaidos
received: kreditas | pajamos
direction: d/k | debetas/kreditas
balance: likutis
fee: mokestis | komisinis
payee: gavėjas | gavejas | mokėtojas | moketojas | gavėjas/mokėtojas | pavadinimas | kontrahentas
payee-account: sąskaita | saskaita | gavėjo sąskaita
purpose: paaiškinimai | paaiskinimai | mokėjimo paskirtis | paskirtis | aprašymas | aprasymas
memo: pastabos | kategorija
state: būsena | busena | statusas
bank-id: operacijos nr | įrašo nr | transakcijos id
marks-out: d | debetas | -
marks-in: k | kreditas | c | +
final: įvykdyta | atlikta
pending: laukiama | atmesta | atšaukta | vykdoma
opening: likutis pradžiai | pradinis likutis
closing: likutis pabaigai | galutinis likutis
balance-line: likutis
turnover: apyvarta
)",
    R"(language: lv
date: datums
amount: summa
paid-out: debets | izdevumi
received: kredīts | kredits | ienākumi
direction: d/k | debets/kredīts
balance: atlikums
fee: komisija | maksa
payee: saņēmējs | sanemejs | maksātājs | maksatajs | saņēmējs/maksātājs | nosaukums | partneris
payee-account: konts | konta numurs
purpose: informācija saņēmējam | informācija | informacija | apraksts | mērķis | detaļas | maksājuma mērķis
memo: piezīmes | kategorija
state: statuss
bank-id: arhīva kods | transakcijas id
marks-out: d | debets | -
marks-in: k | kredīts | c | +
final: izpildīts | apstrādāts
pending: gaida | noraidīts | atcelts | procesā
opening: sākuma atlikums | atlikums sākumā
closing: beigu atlikums | atlikums beigās
balance-line: atlikums
turnover: apgrozījums
)",
    R"(language: et
date: kuupäev | kuupaev
amount: summa
paid-out: deebet | väljaminek
received: kreedit | laekumine
direction: deebet/kreedit | d/k
balance: saldo | jääk
fee: teenustasu | tasu
payee: saaja/maksja | saaja | maksja | nimi | tehingupartner
payee-account: konto | saaja konto | arvelduskonto
purpose: selgitus | kirjeldus | makse selgitus
memo: märkused | kategooria | tehingu tüüp
state: staatus | olek
bank-id: arhiveerimistunnus | tehingu id | kande id
marks-out: d | deebet | -
marks-in: k | kreedit | c | +
final: teostatud | kirjendatud
pending: ootel | tagasi lükatud | tühistatud
opening: algsaldo | algjääk
closing: lõppsaldo | loppsaldo | lõppjääk
balance-line: saldo
turnover: käive | kaive
)",
    R"(language: sv
date: datum | bokföringsdatum | bokforingsdatum | transaktionsdatum | valutadatum | reskontradatum
amount: belopp | summa
paid-out: uttag | debet | utgift
received: insättning | insattning | kredit | inkomst
balance: saldo | behållning | bokfört saldo
fee: avgift
payee: mottagare | avsändare | betalare | namn | motpart
payee-account: konto | kontonummer
purpose: text | beskrivning | meddelande | rubrik | transaktion | specifikation
memo: anteckning | kategori | referens
state: status
bank-id: verifikationsnummer | transaktions-id
marks-out: d | - | uttag
marks-in: k | + | insättning
final: genomförd | bokförd
pending: reserverad | väntande | avvisad | ej bokförd | makulerad
opening: ingående saldo
closing: utgående saldo
balance-line: saldo
turnover: omsättning
total: summa
)",
    R"(language: da
date: dato | bogføringsdato | rentedato
amount: beløb | belob
paid-out: hævet | udbetaling | debet | udgift
received: indsat | indbetaling | kredit | indtægt
balance: saldo
fee: gebyr
payee: modtager | afsender | navn | modpart
payee-account: konto | kontonummer
purpose: tekst | beskrivelse | posteringstekst | meddelelse
memo: kategori | note | bemærkning
state: status
bank-id: transaktions-id
marks-out: d | -
marks-in: k | +
final: udført | bogført
pending: venter | reserveret | afvist | annulleret
opening: primosaldo | startsaldo
closing: ultimosaldo | slutsaldo
balance-line: saldo
total: i alt
)",
    R"(language: no
date: dato | bokføringsdato | rentedato | utført dato
amount: beløp | belop
paid-out: ut fra konto | uttak | ut | beløp ut
received: inn på konto | innskudd | inn | beløp inn
balance: saldo
fee: gebyr
payee: mottaker | avsender | navn | betaler
payee-account: til konto | fra konto | kontonummer
purpose: forklaring | beskrivelse | tekst | melding | spesifikasjon
memo: kategori | notat
state: status
bank-id: arkivref | arkivreferanse
marks-out: d | -
marks-in: k | +
final: utført | bokført
pending: reservert | avvist | venter | ikke bokført
opening: inngående saldo
closing: utgående saldo
balance-line: saldo
total: sum
)",
    R"(language: fi
date: päivämäärä | kirjauspäivä | arvopäivä | maksupäivä | tapahtumapäivä
amount: määrä | maara | summa | rahamäärä
paid-out: veloitus | otto | menot
received: hyvitys | pano | tulot
balance: saldo
fee: palvelumaksu | kulut
payee: saaja/maksaja | saaja | maksaja | maksunsaaja | nimi | vastapuoli
payee-account: tilinumero | saajan tilinumero | tili
purpose: selitys | viesti | kuvaus | otsikko | tapahtuma
memo: laji | kategoria | huomautus
state: tila
bank-id: arkistointitunnus | arkistotunnus
marks-out: - | d
marks-in: + | k
final: toteutunut | kirjattu
pending: odottaa | hylätty | peruttu | varaus
opening: alkusaldo
closing: loppusaldo
balance-line: saldo
total: yhteensä
)",
    R"(language: hu
date: dátum | könyvelés dátuma | tranzakció dátuma
amount: összeg
paid-out: terhelés
received: jóváírás
balance: egyenleg
fee: díj | jutalék
payee: partner | kedvezményezett | ellenoldali név | partner neve
payee-account: ellenoldali számlaszám | számlaszám
purpose: közlemény | leírás
memo: megjegyzés | kategória
state: állapot
marks-out: t | terhelés | -
marks-in: j | jóváírás | +
final: teljesítve | könyvelt
pending: függőben | elutasítva | visszavonva
opening: nyitó egyenleg
closing: záró egyenleg
balance-line: egyenleg
total: összesen
)",
};

enum Key
{
    MarksOut = static_cast<int>(TImportWords::Title::Count),
    MarksIn,
    Final,
    Pending,
    Opening,
    Closing,
    BalanceLine,
    Turnover,
    Total,
    KeyCount
};

const char* const KeyNames[KeyCount] = {"date",    "amount",       "paid-out",      "received", "direction", "balance",
                                        "fee",     "payee",        "payee-account", "purpose",  "memo",      "state",
                                        "bank-id", "marks-out",    "marks-in",      "final",    "pending",   "opening",
                                        "closing", "balance-line", "turnover",      "total"};

struct Words
{
    std::array<QStringList, KeyCount> lists; // case-folded
    QHash<QString, TImportWords::Direction> marks;
    QHash<QString, std::pair<TImportWords::BalanceLine, bool>> balanceLines; // and whether it is strong
};

// The tables read once, into all languages' words of each key together.
const Words& words()
{
    static const Words w = [] {
        Words out;
        for (const char* block : Languages) {
            for (const QString& line : QString::fromUtf8(block).split(u'\n', Qt::SkipEmptyParts)) {
                const qsizetype colon = line.indexOf(u':');
                const QString key = line.left(colon).trimmed();
                if (key == u"language")
                    continue;
                int k = -1;
                for (int i = 0; i < KeyCount; ++i) {
                    if (key == QLatin1String(KeyNames[i])) {
                        k = i;
                        break;
                    }
                }
                Q_ASSERT(k >= 0);
                for (const QString& word : line.mid(colon + 1).split(u'|')) {
                    const QString folded = word.trimmed().toCaseFolded();
                    if (!folded.isEmpty() && !out.lists[k].contains(folded))
                        out.lists[k].append(folded);
                }
            }
        }
        for (const QString& m : out.lists[MarksOut])
            out.marks.insert(m, TImportWords::Direction::PaidOut);
        for (const QString& m : out.lists[MarksIn])
            out.marks.insert(m, TImportWords::Direction::Received);
        using Line = TImportWords::BalanceLine;
        for (auto [key, kind, strong] : {std::tuple{Total, Line::Total, false},
                                         {BalanceLine, Line::Balance, false},
                                         {Turnover, Line::Total, true},
                                         {Closing, Line::Closing, true},
                                         {Opening, Line::Opening, true}}) {
            for (const QString& phrase : out.lists[key])
                out.balanceLines.insert(phrase, {kind, strong});
        }
        // Titles are tried longest word first, so that "Saldo na mutatie" is a balance before "na"
        // could be anything else.
        for (QStringList& list : out.lists)
            std::stable_sort(list.begin(), list.end(),
                             [](const QString& a, const QString& b) { return a.size() > b.size(); });
        return out;
    }();
    return w;
}

// Whether `word` stands in `text` (both folded): short words as words of their own, longer ones
// also at the end or the start of a compound.
bool containsWord(const QString& text, const QString& word)
{
    const bool shortWord = word.size() <= 4;
    for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + 1)) {
        const qsizetype end = at + word.size();
        const bool freeBefore = at == 0 || !text.at(at - 1).isLetter();
        const bool freeAfter = end == text.size() || !text.at(end).isLetter();
        if (shortWord ? freeBefore && freeAfter : freeBefore || freeAfter)
            return true;
    }
    return false;
}

QString fold(QStringView s)
{
    QString out = s.trimmed().toString().toCaseFolded();
    out.replace(u'_', u' ');
    return out;
}

// "kontostand am 31.03.2024 um 18:00 uhr:" -> "kontostand": letters only, without the short words
// that join a date to the words.
QString balanceWords(QStringView field)
{
    // A balance line's words are few; most fields (amounts, dates) have no letters at all.
    if (field.size() > 80 || std::none_of(field.begin(), field.end(), [](QChar c) { return c.isLetter(); }))
        return {};
    QString letters;
    letters.reserve(field.size());
    for (QChar c : field)
        letters.append(c.isLetter() ? c.toCaseFolded() : QChar(u' '));
    QStringList parts = letters.split(u' ', Qt::SkipEmptyParts);
    while (parts.size() > 1 && parts.back().size() <= 3)
        parts.removeLast();
    return parts.join(u' ');
}

} // namespace

bool TImportWords::titleIs(QStringView title, Title use)
{
    const QString t = fold(title);
    if (t.isEmpty())
        return false;
    for (const QString& word : words().lists[static_cast<int>(use)]) {
        if (containsWord(t, word))
            return true;
    }
    return false;
}

TImportWords::Direction TImportWords::directionOf(QStringView value)
{
    QString v = fold(value);
    if (v.endsWith(u'.'))
        v.chop(1);
    return words().marks.value(v, Direction::Unknown);
}

TImportWords::State TImportWords::stateOf(QStringView value)
{
    const QString v = fold(value);
    if (v.isEmpty())
        return State::Unknown;
    // The longest phrase found decides: "nicht gebucht" is pending although it holds "gebucht".
    qsizetype best = 0;
    State state = State::Unknown;
    for (auto [key, kind] : {std::pair{Final, State::Final}, {Pending, State::NotFinal}}) {
        for (const QString& phrase : words().lists[key]) {
            if (phrase.size() > best && containsWord(v, phrase)) {
                best = phrase.size();
                state = kind;
            }
        }
    }
    return state;
}

TImportWords::BalanceLine TImportWords::balanceLineOf(QStringView field, bool* strong)
{
    const QString w = balanceWords(field);
    const auto found = w.isEmpty() ? std::pair{BalanceLine::None, false}
                                   : words().balanceLines.value(w, std::pair{BalanceLine::None, false});
    if (strong != nullptr)
        *strong = found.second;
    return found.first;
}
