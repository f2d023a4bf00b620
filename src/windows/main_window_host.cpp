// The main window's answers to the control unit: the secondary windows it asks
// for, in the chosen language.
#include "main_window.h"

#include "about_box.h"
#include "asm_zoom.h"
#include "display_check.h"
#include "load_dialog.h"
#include "memory_zoom.h"
#include "model/globals.h"
#include "register_zoom.h"
#include "result_window.h"
#include "splash_window.h"

#include <QGraphicsView>

void MainWindow::takeFocusBack()
{
    // A disabled main window has lent the keyboard to a window of ours that is
    // still up; a hidden one cannot take it.
    if (!isVisible() || !isEnabled())
        return;
    raise();
    activateWindow();
    view_->setFocus(Qt::ActiveWindowFocusReason);
}

void MainWindow::restoreDisplayMode() { restoreSavedDisplayMode(platform_.display); }

void MainWindow::openLoadDialog()
{
    LoadDialog& dialog = P_K();
    const bool spanish = G().Gaztelera;
    if (spanish) {
        dialog.setWindowTitle(QStringLiteral("Cargar programa"));
        dialog.setAcceptText(QStringLiteral("Aceptar"));
    }
    dialog.showExplanation(spanish);
    dialog.showForTyping();
}

void MainWindow::openSplash()
{
    SplashWindow& splash = S_H();
    if (G().Gaztelera) {
        splash.setWindowTitle(QStringLiteral("Sistema inicializando..."));
        splash.setBanner(platform_.pictures.load(QStringLiteral("pictures\\sistema_inicializando.bmp")));
    }
    splash.open();
}

void MainWindow::splashProgress() { S_H().step(); }
void MainWindow::hideSplash()
{
    S_H().hideByClock();
    takeFocusBack();
}

void MainWindow::showResult()
{
    ResultWindow& result = Amaiera();
    if (G().Gaztelera)
        result.setTexts(QStringLiteral("Resultado"), QStringLiteral("RESULTADO PROGRAMA A*B:"));
    result.show();
    // The main window is disabled under it: the keyboard belongs here, to close it.
    result.raise();
    result.activateWindow();
    result.Amaiera_eguneratu();
}

void MainWindow::openAbout()
{
    AboutBox& about = A_B();
    connect(&about, &QDialog::finished, this, &MainWindow::takeFocusBack, Qt::UniqueConnection);
    about.open();
}

// Asked at every memory access: a window never opened is not built just to answer no.
bool MainWindow::memoryZoomShown() { return memoryZoom_ && memoryZoom_->isVisible(); }
void MainWindow::memoryZoomFollow() { MN_Zoom_ikusi(); }
void MainWindow::memoryZoomRedraw() { MN_Zoom().aroundBusAddress(); }

void MainWindow::memoryZoomUnmark() { MN_Zoom().MN_Zoom_txuritu(); }
void MainWindow::registerZoomRefresh() { EM_Zoom().EM_Eguneratu(); }
void MainWindow::asmZoomBox(const QString& box, BGR c) { ASM_Zoom().setBox(box, c); }
void MainWindow::asmZoomState(int16_t egoera) { ASM_Zoom().ASM_eguneratu(egoera); }

void MainWindow::hideZooms()
{
    const bool anyShown = EM_Zoom().isVisible() || ASM_Zoom().isVisible() || MN_Zoom().isVisible();
    EM_Zoom().hide();
    ASM_Zoom().hide();
    MN_Zoom().hide();
    if (anyShown)
        takeFocusBack();
}
