#pragma once

#include "frmAbout.h"
#include "ui/widgets/LayoutFonts.h"

#include <QDialog>
#include <functional>

namespace aerolap {

/// The about box on screen: a fixed dialog that mirrors `frmAbout` and hands its buttons, Enter,
/// Esc and its close box to the handlers. Enter and Esc both mean OK; so does the close box,
/// so that closing the box never leaves the program without a visible window. The view deletes
/// itself once the box is unloaded.
class frmAboutView final : public QDialog {
    Q_OBJECT

public:
    /// `fonts` stand in for the families the box was laid out in. `prepareNativeWindow` runs once
    /// the widgets exist and before the window is first shown, for settings the window system
    /// takes only then (keeping it out of the taskbar).
    frmAboutView(frmAbout& about, const LayoutFonts& fonts,
                 const std::function<void(QWidget&)>& prepareNativeWindow = {});

public slots:
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildElements(const QFont& labelFont);

    frmAbout& m_about;
};

} // namespace aerolap
