#include "load_dialog.h"

#include "control/commands.h"
#include "main_window.h"
#include "model/funtzioak.h"
#include "model/globals.h"
#include "model/memoria.h"
#include "model/programa.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

namespace {

const char* const kBasqueExplanation =
    "ONDOREN EXEKUTATUKO DEN PROGRAMAK 'E=A*B' \r\n"
    "ERAGIKETA BURUTZEN DU.\r\n"
    "'A' ETA 'B' ALDAGAIEN BALIOAK ALDATU DAITEZKE:\r\n";
const char* const kSpanishExplanation =
    "EL PROGRAMA QUE SE EJECUTARÁ REALIZA LA \r\n"
    "ECUACIÓN 'E=A*B'.\r\n"
    "SE PUEDEN MODIFICAR LAS VARIABLES 'A' Y 'B':\r\n";

// The checks' messages in the order the checks run, with the boxes each failure empties.
enum Boxes { BoxA, BoxB, BothBoxes };
struct Check {
    const char* basque;
    const char* spanish;
    Boxes empties;
};
const Check kChecks[] = {
    {"'A' ALDAGAIA EZ DA ZENBAKI BAT!", "LA VARIABLE 'A' NO ES UN NÚMERO!", BoxA},
    {"'B' ALDAGAIA EZ DA ZENBAKI BAT!", "LA VARIABLE 'B' NO ES UN NÚMERO!", BoxB},
    {"SARTU ZENBAKI BAT 'A' ALDAGAIARENTZAKO, MESEDEZ!", "INTRODUZCA UN NÚMERO PARA LA VARIABLE 'A':", BoxA},
    {"SARTU ZENBAKI BAT 'B' ALDAGAIARENTZAKO, MESEDEZ!", "INTRODUZCA UN NÚMERO PARA LA VARIABLE 'B':", BoxB},
    {"'A'-ren BALIOA EZIN DA 16 BITETAN ADIERAZI, ZENBAKI TXIKIAGO BAT IPINI!",
     "EL VALOR DE 'A' NO SE PUEDE REPRESENTAR CON 16 BITS, INTRODUZCA UNA MENOR:", BoxA},
    {"'B'-ren BALIOA EZIN DA 16 BITETAN ADIERAZI, ZENBAKI TXIKIAGO BAT IPINI!",
     "EL VALOR DE 'B' NO SE PUEDE REPRESENTAR CON 16 BITS, INTRODUZCA UNA MENOR:", BoxB},
    {"'A*B' EKUAZIOKO EMAITZAREN BALIOA EZIN DA 16 BITETAN ADIERAZI, "
     "ZENBAKI TXIKIAGOAK IPINI!",
     "EL VALOR DEL RESULTADO DE 'A*B' NO SE PUEDE REPRESENTAR CON 16 BITS, "
     "INTRODUZCA VALORES MENORES:",
     BothBoxes},
};

constexpr double kWordLimit = 32768;  // A, B and A*B must fit a positive 16-bit word

bool onlyDigits(const QString& s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

QPlainTextEdit* explanation(const char* text, const QString& name, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    // Nothing to type there: Tab goes between A, B and the button only.
    box->setFocusPolicy(Qt::NoFocus);
    const QString plain = QString::fromUtf8(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    box->setPlainText(plain);
    // The three lines are shown whole, as written, without wrapping or scrolling.
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int widest = 0;
    for (const QString& line : plain.split(QLatin1Char('\n')))
        widest = std::max(widest, box->fontMetrics().horizontalAdvance(line));
    box->setMinimumWidth(widest + 24);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * 3 + 16);
    return box;
}

}  // namespace

LoadDialog::LoadDialog(MainWindow& main) : QDialog(nullptr), main_(main)
{
    setObjectName(QStringLiteral("P_K"));
    setWindowTitle(QStringLiteral("Programa kargatu"));
    // Closing with the close box unloads the dialog; the next load builds it anew.
    setAttribute(Qt::WA_DeleteOnClose);

    Text1 = explanation(kBasqueExplanation, QStringLiteral("Text1"), this);
    Text4 = explanation(kSpanishExplanation, QStringLiteral("Text4"), this);
    auto* label1 = new QLabel(QStringLiteral("A:"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* label2 = new QLabel(QStringLiteral("B:"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    Text2 = new QLineEdit(QStringLiteral("5"), this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text3 = new QLineEdit(QStringLiteral("3"), this);
    Text3->setObjectName(QStringLiteral("Text3"));
    for (QLineEdit* box : {Text2, Text3}) {
        box->setMaxLength(5);
        box->installEventFilter(this);
    }
    Command1 = new QPushButton(QStringLiteral("Onartu"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &LoadDialog::Command1_Click);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0, 1, 3);
    grid->addWidget(Text4, 1, 0, 1, 3);
    grid->addWidget(label1, 2, 0);
    grid->addWidget(Text2, 2, 1);
    grid->addWidget(label2, 3, 0);
    grid->addWidget(Text3, 3, 1);
    grid->addWidget(Command1, 2, 2, 2, 1);
    Text4->hide();

    Text2->selectAll();
}

void LoadDialog::showExplanation(bool spanish)
{
    Text1->setVisible(!spanish);
    Text4->setVisible(spanish);
}

void LoadDialog::setAcceptText(const QString& text) { Command1->setText(text); }

void LoadDialog::showForTyping()
{
    show();
    // No window manager may be there to do it: the dialog takes the keyboard itself.
    raise();
    activateWindow();
    Text2->setFocus(Qt::ActiveWindowFocusReason);
    Text2->selectAll();
}

bool LoadDialog::eventFilter(QObject* watched, QEvent* event)
{
    // A box that takes the focus offers its whole text for typing over.
    if (event->type() == QEvent::FocusIn && (watched == Text2 || watched == Text3))
        static_cast<QLineEdit*>(watched)->selectAll();
    return QDialog::eventFilter(watched, event);
}

QString LoadDialog::validate(QList<QLineEdit*>& failed) const
{
    const QString a = Text2->text();
    const QString b = Text3->text();
    // Read as doubles: five nines and a product of two five-digit numbers stay exact.
    const double av = a.toDouble();
    const double bv = b.toDouble();
    const bool passes[] = {onlyDigits(a), onlyDigits(b), !a.isEmpty(), !b.isEmpty(),
                           av < kWordLimit, bv < kWordLimit, av * bv < kWordLimit};
    for (size_t i = 0; i < std::size(kChecks); ++i) {
        if (passes[i])
            continue;
        const Check& c = kChecks[i];
        if (c.empties != BoxB)
            failed << Text2;
        if (c.empties != BoxA)
            failed << Text3;
        return QString::fromUtf8(G().Gaztelera ? c.spanish : c.basque);
    }
    return QString();
}

void LoadDialog::Command1_Click()
{
    QList<QLineEdit*> failed;
    const QString message = validate(failed);
    if (!message.isEmpty()) {
        const QString title = G().Gaztelera ? QStringLiteral("AVISO!") : QStringLiteral("OHARRA!");
        QPointer<LoadDialog> self(this);
        main_.platform().messages.warning(this, title, message, [self, failed] {
            if (!self)
                return;  // the dialog was closed while the message was up
            for (QLineEdit* box : failed)
                box->clear();
            failed.first()->setFocus();
        });
        return;
    }

    const int32_t a = Text2->text().toInt();
    const int32_t b = Text3->text().toInt();
    Programa().kargatu();
    MN().MN_Egitura_Aldatu("0000", Hamartarretik_Bitarrera(a), ":A", -1);
    MN().MN_Egitura_Aldatu("0001", Hamartarretik_Bitarrera(b), ":B", -1);
    main_.setEnabled(true);
    Text2->setText(QStringLiteral("5"));
    Text3->setText(QStringLiteral("3"));
    Text2->setFocus();
    hide();
    Commands& commands = main_.commands();
    commands.setCommandEnabled(0, false);
    commands.setCommandEnabled(1, true);
    commands.release(0);
    main_.takeFocusBack();
}

void LoadDialog::reject() { close(); }  // Escape unloads like the close box

void LoadDialog::closeEvent(QCloseEvent* event)
{
    event->accept();
    main_.forgetLoadDialog();
    main_.setEnabled(true);
    main_.commands().release(0);
    main_.takeFocusBack();
}
