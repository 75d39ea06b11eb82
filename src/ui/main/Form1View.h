#pragma once

#include "MainWindow.h"
#include "ui/widgets/LayoutFonts.h"

#include <QPixmap>
#include <QWidget>

namespace aerolap {

/// The main window on screen. It mirrors the elements of `Form1` (captions, visibility, check
/// values, the task choice, the port number, the clocks, the window itself) and turns the
/// operator's clicks, picks and edits into calls on them; every behaviour lives in the
/// handlers behind those elements. Each widget carries its element's name as object name.
class Form1View final : public QWidget {
    Q_OBJECT

public:
    /// `fonts` stand in for the families the window was laid out in.
    Form1View(MainWindow& window, const LayoutFonts& fonts, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindowElements();
    void buildSetUpPanel(QWidget* panel);
    void setFocusOrder();

    MainWindow& m_window;
    Form1& m_form;
    LayoutFonts m_fonts;
    QPixmap m_background;
    bool m_placed = false;
};

} // namespace aerolap
