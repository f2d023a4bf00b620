#include "memory_zoom.h"

#include "datapath/diagram.h"
#include "main_window.h"
#include "model/funtzioak.h"
#include "model/globals.h"
#include "model/memoria.h"

#include <QKeyEvent>
#include <QPointer>

#include <algorithm>

namespace {

// Backs of the address, contents and instruction cells, and their text colour.
struct RowColours {
    BGR backs[3];
    BGR text;
};
constexpr RowColours kNormalRow = {{colour::Window, colour::Window, 0xE0E0E0}, colour::ButtonText};
constexpr RowColours kAccessedRow = {{colour::Red, colour::Red, 0x0000C0}, colour::Window};

// The refusals of a typed address, in the order joan_Click checks them.
struct Message {
    const char* basque;
    const char* spanish;
};
const Message kMessages[] = {
    {"EZ DUZU HELBIDERIK SARTU, SARTU HELBIDE BAT MESEDEZ", "NO HAS ESCRITO NADA, INTRODUCE UNA DIRECCIÓN"},
    {"SARTU DUZUN HELBIDEA  8000H  BAINO HANDIAGOA DA EDO HELBIDE OKERRA SARTU DUZU! BESTE BAT SARTU, MESEDEZ.",
     "LA DIRECCIÓN INTRODUCIDA ES MAYOR A 8000H O ES INCORRECTA, INTRODUZCA OTRA"},
    {"SARTU DUZUN MEMORIA HELBIDEA EZ DA ZUZENA! BESTE BAT SARTU, MESEDEZ.",
     "LA DIRECCIÓN NO ES CORRECTA, INTRODUZCA UNA NUEVA"},
};

QString zeros(qsizetype n) { return QString(std::max<qsizetype>(0, n), QLatin1Char('0')); }
QString leftPadded(const QString& s) { return zeros(4 - s.size()) + s; }
QString hex4(int32_t n) { return leftPadded(QString::number(n, 16).toUpper()); }

// Exactly "0".."9" and "A".."F": a lower-case letter is refused.
bool hexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

}  // namespace

MemoryZoom::MemoryZoom(MainWindow& main) : ZoomWindow(main, QStringLiteral("MN_Zoom"))
{
    buildControls();
    aroundBusAddress();
    // Opened, the window takes the keyboard: an address can be typed at once.
    helbJoan_->setFocus(Qt::OtherFocusReason);
}

void MemoryZoom::Gorria_ipini(int32_t ind) { paintRow(ind, true); }
void MemoryZoom::Txuria_ipini(int32_t ind) { paintRow(ind, false); }

void MemoryZoom::paintRow(int32_t ind, bool accessed)
{
    const RowColours& c = accessed ? kAccessedRow : kNormalRow;
    ZoomCell* cells[] = {helb_[ind], kod_[ind], ag_[ind]};
    for (int k = 0; k < 3; ++k)
        cells[k]->setLook(c.backs[k], c.text);
}

void MemoryZoom::Kod_Ag_Helb_idatzi(int32_t ind)
{
    const std::string address = helb_[ind]->text().toStdString();
    kod_[ind]->setText(QString::fromStdString(MN().MN_Egitura_Kodea_Irakurri(address)));
    ag_[ind]->setText(QString::fromStdString(MN().MN_Egitura_Agindua_Irakurri(address)));
    helb_[ind]->setText(helb_[ind]->text() + QLatin1String("H:"));
}

void MemoryZoom::MN_Zoom_eguneratu(int32_t h10, const QString& h16)
{
    QString asked = h16;
    if (h10 < 0 || h10 > kLastAddress) {
        // Only a program that addresses beyond memory gets here: show the nearest end.
        h10 = std::clamp(h10, 0, kLastAddress);
        asked = hex4(h10);
        helbJoan_->setText(asked);
    }
    helbJoan_->setText(zeros(4 - asked.size()) + helbJoan_->text());

    const int32_t first = std::clamp(h10 - 7, 0, kLastAddress - (kRows - 1));
    const int askedRow = h10 - first;
    const std::string bus = main_.diagram()(QStringLiteral("Bus_mux_MN_Gezia")).tip().toStdString();
    const int32_t accessed = G().MN_Atzipena ? Bitarretik_Hamartarrera(bus) : -1;
    for (int i = 0; i < kRows; ++i) {
        const int32_t address = first + i;
        if (i != askedRow) {
            helb_[i]->setText(hex4(address));
            Kod_Ag_Helb_idatzi(i);
            paintRow(i, address == accessed);
        } else {
            paintRow(i, h10 == accessed);
            helb_[i]->setText(leftPadded(asked));
            helb_[i]->setBack(colour::Green);
            Kod_Ag_Helb_idatzi(i);
        }
    }
}

void MemoryZoom::MN_Zoom_txuritu()
{
    for (int i = 0; i < kRows; ++i) {
        const bool asked = helb_[i]->back() == colour::Green;
        Txuria_ipini(i);
        if (asked)
            helb_[i]->setBack(colour::Green);
    }
}

void MemoryZoom::MN_gazteleraz() { applyTexts(true); }

void MemoryZoom::aroundBusAddress()
{
    const std::string address = main_.diagram()(QStringLiteral("Bus_mux_MN_Gezia")).tip().toStdString();
    const QString hex = QString::fromStdString(Bitarretik_Hamaseitarrera(address));
    setHelbJoan(hex);
    MN_Zoom_eguneratu(Bitarretik_Hamartarrera(address), hex);
}

int MemoryZoom::askedRow() const
{
    for (int i = 0; i < kRows; ++i)
        if (helb_[i]->back() == colour::Green)
            return i;
    return -1;
}

void MemoryZoom::joan_Click()
{
    const QString raw = helbJoan_->text();
    if (raw.isEmpty()) {
        refuse(Refusal::Empty);
        return;
    }
    const QString padded = leftPadded(raw);
    // A character-code comparison: "8000" passes, "8001", "9..." and "A..." do not.
    if (padded > QLatin1String("8000")) {
        refuse(Refusal::TooLarge);
        return;
    }
    if (!std::all_of(padded.begin(), padded.end(), hexDigit)) {
        refuse(Refusal::Wrong);
        return;
    }
    MN_Zoom_eguneratu(Hamaseitarretik_Hamartarrera(raw.toStdString()), raw);
    helbJoan_->setFocus(Qt::OtherFocusReason);
}

void MemoryZoom::refuse(Refusal why)
{
    const Message& m = kMessages[static_cast<int>(why)];
    const bool spanish = G().Gaztelera;
    const QString title = spanish ? QStringLiteral("AVISO!") : QStringLiteral("OHARRA!");
    QPointer<MemoryZoom> self(this);
    main_.platform().messages.warning(this, title, QString::fromUtf8(spanish ? m.spanish : m.basque), [self, why] {
        if (!self)
            return;  // closed while the message was up
        if (why != Refusal::Empty)
            self->helbJoan_->clear();
        self->helbJoan_->setFocus(Qt::OtherFocusReason);
    });
}

void MemoryZoom::area(int32_t address, const QString& hex)
{
    MN_Zoom_eguneratu(address, hex);
    helbJoan_->setText(hex);
    helbJoan_->setFocus(Qt::OtherFocusReason);
}

void MemoryZoom::MN_Zoom_Datuak_Click() { area(0, QStringLiteral("0000")); }
void MemoryZoom::MN_Zoom_Programa_Click() { area(0x4000, QStringLiteral("4000")); }

void MemoryZoom::step(int by)
{
    const int row = askedRow();
    if (row < 0)
        return;
    const int32_t n = Hamaseitarretik_Hamartarrera(helb_[row]->text().left(4).toStdString());
    helbJoan_->setText(hex4(std::clamp(n + by, 0, kLastAddress)));
    joan_Click();
}

void MemoryZoom::MN_Zoom_H_handi_Click() { step(+1); }
void MemoryZoom::MN_Zoom_H_txiki_Click() { step(-1); }

void MemoryZoom::MN_Zoom_Helb_joan_KeyPress(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        joan_Click();
        break;
    case Qt::Key_Plus:
        MN_Zoom_H_handi_Click();
        break;
    case Qt::Key_Minus:
        MN_Zoom_H_txiki_Click();
        break;
    default:
        break;
    }
}

bool MemoryZoom::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == helbJoan_ && event->type() == QEvent::KeyPress)
        MN_Zoom_Helb_joan_KeyPress(static_cast<QKeyEvent*>(event)->key());
    // The window taking the keyboard offers the address for typing over: it
    // always holds four characters, which the limit would not let a key add to.
    if (watched == helbJoan_ && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason)
        helbJoan_->selectAll();
    // Not consumed: the entry then takes the key as usual, and its four-character
    // limit refuses the '+' or '-' after a step.
    return ZoomWindow::eventFilter(watched, event);
}

void MemoryZoom::keyPressEvent(QKeyEvent* event)
{
    // Enter that the entry leaves is not a press of a default button: the window
    // has none, and the message box a refused address has just opened would be
    // taken for one and closed at once.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    ZoomWindow::keyPressEvent(event);
}
