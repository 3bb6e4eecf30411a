#include "qt/main_window.h"

#include "qt/units.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>

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
    : desktop(desktop), client(this), Hsbspeed(&client), Tmrdelay(this), Cmdend(&client),
      Cmdreset(&client), Cmdstart(&client), Pichull(&client), Lblslow(&client), Lblfast(&client),
      Lblspeed(&client), Lblnote(&client), Lblnotes(&client), Lbltext(&client), Lblinstr(&client),
      Lblcount(&client), Lblnumber(&client), hold(Tmrdelay), watch(desktop), drawing(Pichull),
      Form(points, Controls{drawing, Cmdstart, Cmdreset, Lblcount, Lbltext, Lblnote, Hsbspeed, hold,
                            watch}),
      display(this, *statusBar(), Pichull), Teacher(Form, points, drawing, Cmdreset, hold, display),
      input(Form, points, drawing, Teacher),
      tools(*this, desktop, points, input, drawing, Pichull, display) {
    QAccessible::installFactory(accessibleRole);
    setCentralWidget(&client);
    buildLayout();
    buildMenus();
    // The restored window keeps its client area; the menus and the status line come on top.
    resize(pixelsOf(layout::RestoredWidth, *this), pixelsOf(layout::RestoredHeight, *this) +
                                                       menuBar()->sizeHint().height() +
                                                       statusBar()->sizeHint().height());
    wireEvents();
    wireLesson();
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
    QPalette windowPalette = client.palette();
    windowPalette.setColor(QPalette::Window, toQColor(layout::WindowColor));
    client.setPalette(windowPalette);
    client.setAutoFillBackground(true);
    client.setFont(toQFont(layout::WindowFont));

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

void MainWindow::buildMenus() {
    QMenuBar& menus = *menuBar();
    tools.addMenus(menus);
    display.addMenus(menus);
    QMenu* help = menus.addMenu(QStringLiteral("&Help"));
    QAction* keys =
        help->addAction(QStringLiteral("Keyboard and Mouse"), this, &MainWindow::showHelp);
    keys->setShortcut(QKeySequence::HelpContents);
    help->addAction(QStringLiteral("About Convex Hull"), this, &MainWindow::showAbout);
}

void MainWindow::wireEvents() {
    auto handled = [this](auto handler) {
        return [this, handler] { act([this, handler] { handler(this); }); };
    };
    connect(&Cmdstart, &QPushButton::clicked, this,
            [this, start = handled([](MainWindow* w) { w->Teacher.start(); })] {
                // Disabling the surface, START and RESET would pass the focus on to END.
                Hsbspeed.setFocus();
                start();
                focusAfterRun();
            });
    connect(&Cmdreset, &QPushButton::clicked, this,
            handled([](MainWindow* w) { w->Teacher.reset(); }));
    connect(&Cmdend, &QPushButton::clicked, this,
            handled([](MainWindow* w) { w->Form.Cmdend_Click(); }));
    connect(&Hsbspeed, &QScrollBar::valueChanged, this,
            handled([](MainWindow* w) { w->Form.Hsbspeed_Change(); }));
    connect(&Tmrdelay, &QTimer::timeout, this,
            [this, step = handled([](MainWindow* w) { w->Teacher.tick(); })] {
                step();
                focusAfterRun();
            });
    Pichull.onMouseDown([this](int button, int shift, float x, float y) {
        act([&] { input.click(button, shift, x, y); });
    });
    connect(&tools.actions.quit, &QAction::triggered, this,
            handled([](MainWindow* w) { w->Form.Cmdend_Click(); }));
}

// Each event reaches its handler through the desktop, which reports a run-time error; what the
// File and Edit menus can do may change with it.
void MainWindow::act(const std::function<void()>& handler) {
    desktop.handle(handler);
    tools.refresh();
}

// The run commands act through the lesson. A command that sets a run going disables RESET, which
// would pass its focus on to END: during a run the focus is on the speed bar.
void MainWindow::wireLesson() {
    watch.beforeEachMessage([this] { Teacher.beforeMessage(); });
    const std::pair<QAction*, void (Lesson::*)()> commands[] = {
        {&display.pause, &Lesson::pauseOrResume},
        {&display.stepForward, &Lesson::stepForward},
        {&display.stepBack, &Lesson::stepBack},
        {&display.runAgain, &Lesson::runAgain}};
    for (auto [action, command] : commands) {
        connect(action, &QAction::triggered, this, [this, command] {
            if (Cmdreset.hasFocus())
                Hsbspeed.setFocus();
            act([this, command] { (Teacher.*command)(); });
            focusAfterRun();
        });
    }
    connect(&display.showEachStep, &QAction::toggled, this,
            [this](bool on) { desktop.handle([this, on] { Teacher.showEachStep(on); }); });
}

// While a run goes on or is paused the focus stays where it is. Once it is over and the question
// answered, the focus goes where the user goes next: the surface after Yes, and after No the speed
// bar, where a stray Enter or Space loses nothing.
void MainWindow::focusAfterRun() {
    if (Tmrdelay.isActive() || Teacher.isPaused() || desktop.hasEnded())
        return;
    if (Pichull.isEnabled())
        Pichull.setFocus();
    else
        Hsbspeed.setFocus();
}

namespace {

// A key as a person calls it: a lone mark by its name, for it is easily overlooked.
QString keyName(const QKeySequence& key) {
    const QString text = key.toString(QKeySequence::NativeText);
    if (text == QStringLiteral("."))
        return QStringLiteral("Full stop (.)");
    if (text == QStringLiteral(","))
        return QStringLiteral("Comma (,)");
    return text;
}

} // namespace

void MainWindow::showHelp() {
    QString text = QStringLiteral(
        "Mouse\n"
        "Click in the yellow drawing area: add a point (any button, at most 500).\n"
        "Click START, RESET or END: start a run, clear the drawing, quit.\n"
        "Drag or click the speed bar: a shorter or longer pause between steps.\n"
        "\n"
        "Keyboard\n"
        "Tab, Shift+Tab: move the focus between the drawing area, the buttons and the speed bar.\n"
        "Space, Enter, Return: press the button that has the focus.\n"
        "Left, Up, Page Up: faster. Right, Down, Page Down: slower. Home, End: either end.\n");
    // Every menu item that has keys, as the menus show them.
    for (const QAction* title : menuBar()->actions()) {
        for (const QAction* item : title->menu()->actions()) {
            QStringList keys;
            for (const QKeySequence& key : item->shortcuts())
                keys << keyName(key);
            if (!keys.isEmpty())
                text += keys.join(QStringLiteral(" or ")) + QStringLiteral(": ") +
                        item->text().remove(QChar(0x2026)) + '\n';
        }
    }
    text += QStringLiteral(
        "\n"
        "In a lecture hall, start the program with --zoom to show the whole window larger and "
        "crisp, for instance convex-hull --zoom 1.75 on a 1920 x 1080 projector, --zoom 3.5 on "
        "a 4K screen.");
    QMessageBox::information(this, QString::fromStdString(Title), text);
}

void MainWindow::showAbout() {
    QMessageBox::about(this, QStringLiteral("About Convex Hull"),
                       QStringLiteral("Convex Hull %1\n\n"
                                      "Watch the incremental convex hull algorithm at work: "
                                      "click up to 500 points, press START, and follow the hull "
                                      "as it grows one point per step.")
                           .arg(QStringLiteral(HULL_VERSION)));
}

void MainWindow::load() {
    act([this] { Form.Form_Load(); });
}

void MainWindow::openPoints(const QString& path) {
    act([this, &path] { tools.openPoints(path); });
}

// The status line tells the run: a menu item passed over must not blank it with its status tip.
bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

// Closing the window ends the program at once, whatever it is doing.
void MainWindow::closeEvent(QCloseEvent* event) {
    Tmrdelay.stop();
    desktop.end(0);
    event->accept();
}
