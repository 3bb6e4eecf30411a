#pragma once

#include "engine/modhull.h"
#include "form/kept_controls.h"
#include "teach/run/lesson_view.h"
#include "teach/session/arrangement.h"
#include "teach/session/session.h"
#include "teach/words/announcer.h"
#include "web/web_controls.h"

#include <string>

// The program as a page runs it: the same session as the desktop's, with a drawing area in memory,
// a timer and message boxes the page works, and what the page asks of it. After each call the page
// reads state() and shows it.
class WebPage : public LessonView {
  public:
    WebPage();

    // The controls' events, positions in twips of the drawing area.
    void mouseDown(float x, float y);
    void pressStart();
    void pressReset();
    void pressEnd();
    void setSpeed(int value);
    void tick();
    // A command of the table, by its id.
    void command(const std::string& id);
    void answer(int answer);
    bool press(float x, float y);
    void drag(float x, float y);
    void release(float x, float y);
    int dotToMove(float x, float y) const;
    void scrubTo(int step);
    void scrubByTest(int direction);

    void openPoints(const std::string& name, const std::string& text);
    void addPoint(const std::string& x, const std::string& y);
    void randomPoints(int count, int shape, unsigned seed);
    std::string pointsText() const;
    std::string svg(bool withMarks) const;
    // The drawing and the compared one side by side.
    std::string sideBySideSvg(bool withMarks) const;
    // The plot of View > Cost of the Run as an SVG drawing of that size.
    std::string costSvg(int width, int height) const;
    // The drawing area's picture kept `scale` times its own size from now on.
    void showPictureAt(int scale);
    // The picture drawn afresh `scale` times larger, as RGBA bytes, its lines grown with it when
    // thick.
    const Raster& picture(int scale, bool thickLines);
    // View > Compare With's picture at the drawing area's own size.
    const Raster& comparedPicture();

    // The points, the step and the view as an address's fragment, and back.
    std::string link() const;
    void openLink(const std::string& text);

    // Everything the page shows but the picture, as JSON.
    std::string state() const;
    WebSurface& surface() { return drawing; }

    // The page draws the session's screen after each call.
    void showStatus(const std::string&) override {}
    void showOverlay(const Overlay&) override {}
    void announce(const std::string& text, bool atOnce) override;
    // Sends a sentence held back, once its time has come.
    void due();

  private:
    void send(std::optional<std::string> sentence);

    Modhull points;
    WebSurface drawing;
    KeptTimer timer;
    WebDesktop desktop;
    Session session;
    Raster exported{1, 1, WebSurface::BackColor};
    Announcer pace;
    std::string spoken;
    int spokenSerial = 0;
};

// The window's layout table in layout pixels, with its colours and fonts, as JSON.
std::string layoutJson();
// Where the sentence and the panels stand in a client of the room's size, as JSON.
std::string arrangementJson(const Room& room, const TextHeights& text);
// What the marks mean, each with its colour, and the idea of the algorithm, as JSON.
std::string marksJson();
