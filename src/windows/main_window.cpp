#include "main_window.h"

#include "about_box.h"
#include "asm_zoom.h"
#include "control/commands.h"
#include "control/control_unit.h"
#include "datapath/datapath.h"
#include "datapath/diagram.h"
#include "datapath/layout.h"
#include "load_dialog.h"
#include "memory_zoom.h"
#include "register_zoom.h"
#include "result_window.h"
#include "splash_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QMenuBar>

namespace {
// Keeps the whole diagram in view, with its proportions, whatever the window size.
class DiagramView : public QGraphicsView {
public:
    using QGraphicsView::QGraphicsView;

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QGraphicsView::resizeEvent(event);
        fitInView(sceneRect(), Qt::KeepAspectRatio);
    }
    void showEvent(QShowEvent* event) override
    {
        QGraphicsView::showEvent(event);
        fitInView(sceneRect(), Qt::KeepAspectRatio);
    }
};

struct MenuEntry {
    const char* name;
    const char* parent;   // nullptr: on the menu bar
    const char* caption;  // Basque design caption
    QKeySequence shortcut;
    bool enabled;
};

const MenuEntry kMenus[] = {
    {"Artxiboa", nullptr, "&Artxiboa", {}, true},
    {"Irten", "Artxiboa", "&Irten", QKeySequence(Qt::CTRL | Qt::Key_Q), true},
    {"Programak", nullptr, "&Programak", {}, true},
    {"Programa_kargatu", "Programak", "&Programa kargatu", QKeySequence(Qt::Key_F8), true},
    {"Funtzionamendua", nullptr, "&Funtzionamendua", {}, true},
    {"Sistema_martxan_ipini", "Funtzionamendua", "&Sistema martxan ipini", QKeySequence(Qt::Key_F5), false},
    {"Exekuzio_motak", "Funtzionamendua", "&Exekuzio motak", {}, true},
    {"Martxan_etengabe", "Exekuzio_motak", "&Martxan etengabe", QKeySequence(Qt::Key_F2), false},
    {"Erloju_ziklo_bat", "Exekuzio_motak", "&Erloju ziklo bat", QKeySequence(Qt::Key_F3), false},
    {"Agindu_oso_bat", "Exekuzio_motak", "&Agindu oso bat", QKeySequence(Qt::Key_F4), false},
    {"Eten_Segi", "Funtzionamendua", "&Eten/Segi", QKeySequence(Qt::Key_F6), false},
    {"Bukatu", "Funtzionamendua", "&Bukatu", QKeySequence(Qt::Key_F7), false},
    {"Laguntza", nullptr, "&Laguntza", {}, true},
    {"Nola_erabili", "Laguntza", "&Nola erabili...", QKeySequence(Qt::Key_F1), true},
    {"About_Kovi", "Laguntza", "&About RIRIv4", {}, true},
};
}  // namespace

MainWindow::MainWindow(Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform), diagram_(std::make_unique<Diagram>(&platform.pictures))
{
    setWindowTitle(QStringLiteral("Prozesadore sinple baten P.U.aren simuladorea [RIRIv4]"));
    buildMainWindowDiagram(*diagram_);
    datapath_ = std::make_unique<Datapath>(*diagram_, platform.timers);
    s_h_timer_ = std::make_unique<Timer>(platform.timers, QStringLiteral("s_h_timer"), 50);
    control_ = std::make_unique<ControlUnit>(*this);
    commands_ = std::make_unique<Commands>(*this);

    view_ = new DiagramView(&diagram_->scene(), this);
    view_->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setBackgroundBrush(colour::toQColor(colour::ButtonFace));
    view_->setFrameShape(QFrame::NoFrame);
    view_->installEventFilter(this);
    view_->viewport()->installEventFilter(this);
    setCentralWidget(view_);
    buildMenus();
    connectZoomOpeners();
    resize(1024, 740);

    quit = [] { QApplication::exit(0); };
    commands_->Form_Load();
}

MainWindow::~MainWindow()
{
    // Secondary windows are top-level widgets of their own.
    delete loadDialog_;
    delete splash_;
    delete result_;
    delete memoryZoom_;
    delete registerZoom_;
    delete asmZoom_;
    delete about_;
    // The control unit's and the datapath's timers go before the driver sees them again.
    commands_.reset();
    control_.reset();
    datapath_.reset();
}

void MainWindow::buildMenus()
{
    QHash<QString, QMenu*> submenus;
    for (const MenuEntry& m : kMenus) {
        const QString name = QLatin1String(m.name);
        QAction* action = nullptr;
        const bool hasChildren = std::any_of(std::begin(kMenus), std::end(kMenus), [&](const MenuEntry& c) {
            return c.parent && name == QLatin1String(c.parent);
        });
        if (hasChildren) {
            QMenu* menu = m.parent ? submenus.value(QLatin1String(m.parent))->addMenu(QString::fromUtf8(m.caption))
                                   : menuBar()->addMenu(QString::fromUtf8(m.caption));
            submenus.insert(name, menu);
            action = menu->menuAction();
        } else {
            action = submenus.value(QLatin1String(m.parent))->addAction(QString::fromUtf8(m.caption));
            action->setShortcut(m.shortcut);
        }
        action->setObjectName(name);
        action->setEnabled(m.enabled);
        menus_.insert(name, action);
    }
    Commands* c = commands_.get();
    auto on = [&](const char* name, void (Commands::*handler)()) {
        connect(menus_.value(QLatin1String(name)), &QAction::triggered, this, [c, handler] { (c->*handler)(); });
    };
    on("Irten", &Commands::Irten_Click);
    on("Programa_kargatu", &Commands::Programa_kargatu_Click);
    on("Sistema_martxan_ipini", &Commands::Sistema_martxan_ipini_Click);
    on("Martxan_etengabe", &Commands::Martxan_etengabe_Click);
    on("Erloju_ziklo_bat", &Commands::Erloju_ziklo_bat_Click);
    on("Agindu_oso_bat", &Commands::Agindu_oso_bat_Click);
    on("Eten_Segi", &Commands::Eten_Segi_Click);
    on("Bukatu", &Commands::Bukatu_Click);
    on("Nola_erabili", &Commands::Nola_erabili_Click);
    on("About_Kovi", &Commands::About_Kovi_Click);
}

QAction& MainWindow::menu(const QString& name) const
{
    QAction* a = menus_.value(name);
    if (!a)
        qFatal("No menu entry named %s", qPrintable(name));
    return *a;
}

LoadDialog& MainWindow::P_K()
{
    if (!loadDialog_)
        loadDialog_ = new LoadDialog(*this);
    return *loadDialog_;
}

SplashWindow& MainWindow::S_H()
{
    if (!splash_)
        splash_ = new SplashWindow(*this);
    return *splash_;
}

ResultWindow& MainWindow::Amaiera()
{
    if (!result_)
        result_ = new ResultWindow(*this);
    return *result_;
}

AboutBox& MainWindow::A_B()
{
    if (!about_)
        about_ = new AboutBox(*this);
    return *about_;
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    const QString t = event->text();
    if (t.size() == 1 && (t[0] == QLatin1Char('+') || t[0] == QLatin1Char('-'))) {
        commands_->Form_KeyPress(t[0].unicode());
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // '+' and '-' change the clock speed wherever the focus is in the window.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString t = key->text();
        if (t.size() == 1 && (t[0] == QLatin1Char('+') || t[0] == QLatin1Char('-'))) {
            commands_->Form_KeyPress(t[0].unicode());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The window the user types into first: without a window manager nothing
    // else would give it the keyboard.
    if (!event->spontaneous())
        takeFocusBack();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    commands_->Form_Unload();
}
