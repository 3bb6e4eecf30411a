#include "window/qt/main_window.h"

#include "window/qt/units.h"

#include <QCloseEvent>
#include <QScreen>

MainWindow::MainWindow(Modhull& points, QtDesktop& desktop)
    : desktop(desktop), Hsbspeed(this), Tmrdelay(this), Cmdend(this), Cmdreset(this),
      Cmdstart(this), Pichull(this), Lblslow(this), Lblfast(this), Lblspeed(this), Lblnote(this),
      Lblnotes(this), Lbltext(this), Lblinstr(this), Lblcount(this), Lblnumber(this),
      Form(points, Controls{Pichull, Cmdstart, Cmdreset, Lblcount, Lbltext, Lblnote, Hsbspeed,
                            Tmrdelay, desktop}) {
    buildLayout();
    wireEvents();
}

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void MainWindow::place(QWidget& control, const ControlSpec& spec) {
    control.setObjectName(toQString(spec.name));
    control.setGeometry(pixelsOf(spec.left, *this), pixelsOf(spec.top, *this),
                        pixelsOf(spec.width, *this), pixelsOf(spec.height, *this));
    if (!spec.font.face.empty()) {
        QFont font(toQString(spec.font.face));
        font.setPointSizeF(spec.font.points);
        font.setBold(spec.font.bold);
        font.setItalic(spec.font.italic);
        control.setFont(font);
    }
    control.setAccessibleName(
        toQString(spec.accessibleName.empty() ? spec.caption : spec.accessibleName));
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setText(toQString(spec.caption));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
    }
    if (auto* button = qobject_cast<QPushButton*>(&control)) {
        button->setText(toQString(spec.caption));
        // The whole face in the button's colour, with a raised edge that sinks while pressed.
        button->setStyleSheet(
            QStringLiteral("QPushButton { background-color: %1; border: 2px outset %1; }"
                           "QPushButton:pressed { border-style: inset; }")
                .arg(toQColor(*spec.color).name()));
    }
}

void MainWindow::buildLayout() {
    setWindowTitle(QString::fromStdString(Title));
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, toQColor(layout::WindowColor));
    setPalette(windowPalette);
    setAutoFillBackground(true);
    QFont windowFont(toQString(layout::WindowFontFace));
    windowFont.setPointSizeF(layout::WindowFontPoints);
    setFont(windowFont);
    resize(pixelsOf(layout::RestoredWidth, *this), pixelsOf(layout::RestoredHeight, *this));

    place(Hsbspeed, layout::Hsbspeed);
    Hsbspeed.setRange(layout::SpeedMinimum, layout::SpeedMaximum);
    Hsbspeed.setSingleStep(layout::SpeedSmallStep);
    Hsbspeed.setPageStep(layout::SpeedLargeStep);
    Hsbspeed.setValue(layout::SpeedMinimum);
    // Only a finished move changes the speed, not every position while the thumb is dragged.
    Hsbspeed.setTracking(false);
    Hsbspeed.setFocusPolicy(Qt::StrongFocus);

    place(Cmdend, layout::Cmdend);
    place(Cmdreset, layout::Cmdreset);
    place(Cmdstart, layout::Cmdstart);
    place(Pichull, layout::Pichull);
    place(Lblslow, layout::Lblslow);
    place(Lblfast, layout::Lblfast);
    place(Lblspeed, layout::Lblspeed);
    place(Lblnote, layout::Lblnote);
    place(Lblnotes, layout::Lblnotes);
    place(Lbltext, layout::Lbltext);
    place(Lblinstr, layout::Lblinstr);
    place(Lblcount, layout::Lblcount);
    place(Lblnumber, layout::Lblnumber);

    // The count is the one opaque label: a white box with a thin border, its text centred.
    Lblcount.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Lblcount.setFrameStyle(QFrame::Box | QFrame::Plain);
    Lblcount.setLineWidth(1);
    QPalette countPalette = Lblcount.palette();
    countPalette.setColor(QPalette::Window, toQColor(*layout::Lblcount.color));
    Lblcount.setPalette(countPalette);
    Lblcount.setAutoFillBackground(true);

    setTabOrder(&Pichull, &Cmdstart);
    setTabOrder(&Cmdstart, &Cmdreset);
    setTabOrder(&Cmdreset, &Cmdend);
    setTabOrder(&Cmdend, &Hsbspeed);
    Pichull.setFocus();
}

void MainWindow::wireEvents() {
    connect(&Cmdstart, &QPushButton::clicked, this,
            [this] { desktop.handle([this] { Form.Cmdstart_Click(); }); });
    connect(&Cmdreset, &QPushButton::clicked, this,
            [this] { desktop.handle([this] { Form.Cmdreset_Click(); }); });
    connect(&Cmdend, &QPushButton::clicked, this,
            [this] { desktop.handle([this] { Form.Cmdend_Click(); }); });
    connect(&Hsbspeed, &QScrollBar::valueChanged, this,
            [this] { desktop.handle([this] { Form.Hsbspeed_Change(); }); });
    connect(&Tmrdelay, &QTimer::timeout, this,
            [this] { desktop.handle([this] { Form.Tmrdelay_Timer(); }); });
    Pichull.onMouseDown([this](int button, int shift, float x, float y) {
        desktop.handle([&] { Form.Pichull_MouseDown(button, shift, x, y); });
    });
}

void MainWindow::load() {
    desktop.handle([this] { Form.Form_Load(); });
}

// Closing the window ends the program at once, whatever it is doing.
void MainWindow::closeEvent(QCloseEvent* event) {
    Tmrdelay.stop();
    desktop.end(0);
    event->accept();
}
