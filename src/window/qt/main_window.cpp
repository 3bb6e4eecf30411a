#include "window/qt/main_window.h"

#include "window/qt/units.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QScreen>

namespace {

// Screen readers announce a top-level window as a frame and a drawing surface as a canvas; Qt
// offers the window, a plain widget, as a filler and the surface, a QFrame, as a frame.
QAccessibleInterface* accessibleRole(const QString&, QObject* object) {
    if (auto* window = dynamic_cast<MainWindow*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    if (auto* surface = dynamic_cast<PictureBox*>(object))
        return new QAccessibleWidget(surface, QAccessible::Canvas);
    return nullptr;
}

} // namespace

MainWindow::MainWindow(Modhull& points, QtDesktop& desktop)
    : desktop(desktop), Hsbspeed(this), Tmrdelay(this), Cmdend(this), Cmdreset(this),
      Cmdstart(this), Pichull(this), Lblslow(this), Lblfast(this), Lblspeed(this), Lblnote(this),
      Lblnotes(this), Lbltext(this), Lblinstr(this), Lblcount(this), Lblnumber(this),
      Form(points, Controls{Pichull, Cmdstart, Cmdreset, Lblcount, Lbltext, Lblnote, Hsbspeed,
                            Tmrdelay, desktop}) {
    QAccessible::installFactory(accessibleRole);
    buildLayout();
    wireEvents();
    desktop.setWindow(this, &Pichull);
}

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont toQFont(const FontStyle& style) {
    QFont font(toQString(style.face));
    font.setPointSizeF(style.points);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

} // namespace

void MainWindow::place(QWidget& control, const ControlLayout& entry) {
    control.setObjectName(toQString(entry.name));
    control.setGeometry(pixelsOf(entry.left, *this), pixelsOf(entry.top, *this),
                        pixelsOf(entry.width, *this), pixelsOf(entry.height, *this));
    if (!entry.font.face.empty())
        control.setFont(toQFont(entry.font));
    // Labels and buttons are read out by their own text.
    if (!entry.accessibleName.empty())
        control.setAccessibleName(toQString(entry.accessibleName));
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setText(toQString(entry.caption));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
    }
    if (auto* button = qobject_cast<QPushButton*>(&control)) {
        button->setText(toQString(entry.caption));
        // The whole face in the button's colour, with a raised edge that sinks while pressed. The
        // style's own focus frame would tint the face; the button draws a mark of its own.
        button->setStyleSheet(
            QStringLiteral("QPushButton { background-color: %1; border: 2px outset %1; "
                           "outline: none; }"
                           "QPushButton:pressed { border-style: inset; }")
                .arg(toQColor(*entry.color).name()));
    }
}

void MainWindow::buildLayout() {
    setWindowTitle(QString::fromStdString(Title));
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, toQColor(layout::WindowColor));
    setPalette(windowPalette);
    setAutoFillBackground(true);
    setFont(toQFont(layout::WindowFont));
    resize(pixelsOf(layout::RestoredWidth, *this), pixelsOf(layout::RestoredHeight, *this));

    const std::pair<QWidget*, const ControlLayout*> controls[] = {
        {&Hsbspeed, &layout::Hsbspeed}, {&Cmdend, &layout::Cmdend},
        {&Cmdreset, &layout::Cmdreset}, {&Cmdstart, &layout::Cmdstart},
        {&Pichull, &layout::Pichull},   {&Lblslow, &layout::Lblslow},
        {&Lblfast, &layout::Lblfast},   {&Lblspeed, &layout::Lblspeed},
        {&Lblnote, &layout::Lblnote},   {&Lblnotes, &layout::Lblnotes},
        {&Lbltext, &layout::Lbltext},   {&Lblinstr, &layout::Lblinstr},
        {&Lblcount, &layout::Lblcount}, {&Lblnumber, &layout::Lblnumber}};
    for (auto [control, entry] : controls)
        place(*control, *entry);

    Hsbspeed.setRange(layout::SpeedMinimum, layout::SpeedMaximum);
    Hsbspeed.setSingleStep(layout::SpeedSmallStep);
    Hsbspeed.setPageStep(layout::SpeedLargeStep);
    Hsbspeed.setValue(layout::SpeedMinimum);
    // Only a finished move changes the speed, not every position while the thumb is dragged.
    Hsbspeed.setTracking(false);
    Hsbspeed.setFocusPolicy(Qt::StrongFocus);

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
    // Each event reaches its handler through the desktop, which reports a run-time error.
    auto handled = [this](void (Fmhull::*handler)()) {
        return [this, handler] { desktop.handle([this, handler] { (Form.*handler)(); }); };
    };
    connect(&Cmdstart, &QPushButton::clicked, this,
            [this, start = handled(&Fmhull::Cmdstart_Click)] {
                // Disabling the surface, START and RESET would pass the focus on to END.
                Hsbspeed.setFocus();
                start();
                focusAfterRun();
            });
    connect(&Cmdreset, &QPushButton::clicked, this, handled(&Fmhull::Cmdreset_Click));
    connect(&Cmdend, &QPushButton::clicked, this, handled(&Fmhull::Cmdend_Click));
    connect(&Hsbspeed, &QScrollBar::valueChanged, this, handled(&Fmhull::Hsbspeed_Change));
    connect(&Tmrdelay, &QTimer::timeout, this, [this, step = handled(&Fmhull::Tmrdelay_Timer)] {
        step();
        focusAfterRun();
    });
    Pichull.onMouseDown([this](int button, int shift, float x, float y) {
        desktop.handle([&] { Form.Pichull_MouseDown(button, shift, x, y); });
    });
}

// While a run goes on the focus stays on the speed bar. Once it is over and the question answered,
// the focus goes where the user goes next: the surface after Yes, RESET after No.
void MainWindow::focusAfterRun() {
    if (Tmrdelay.isActive() || desktop.hasEnded())
        return;
    if (Pichull.isEnabled())
        Pichull.setFocus();
    else
        Cmdreset.setFocus();
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
