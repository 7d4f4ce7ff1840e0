// Watching Qt's messages while the window is built, and the empty-DISPLAY check.
#include "display_check.h"

#include <QMessageLogContext>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace tessmar {

namespace {

struct Held {
    QtMsgType type;
    std::string file, function, category;
    int line;
    QString text;
};

const char* program_name = "";
QtMessageHandler previous_handler = nullptr;
std::mutex watch_mutex;
std::vector<Held> held;
bool watching = true;
bool display_refused = false;
std::string refused_display;

void print_how_to_run(const char* what)
{
    std::fprintf(stderr, "tessmar-planner: %s; to run it without a screen: xvfb-run -a -s '-screen 0 1024x768x24' %s\n",
                 what, program_name);
}

void pass_on_held()
{
    for (const Held& message : held) {
        const QMessageLogContext context(message.file.c_str(), message.line, message.function.c_str(),
                                         message.category.c_str());
        previous_handler(message.type, context, message.text);
    }
    held.clear();
}

void take(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const std::lock_guard lock(watch_mutex);
    if (!watching) {  // came in from another thread while the watch ended
        previous_handler(type, context, text);
        return;
    }
    static constexpr char refused[] = "could not connect to display";
    const bool from_x = context.category != nullptr && std::strcmp(context.category, "qt.qpa.xcb") == 0;
    if (from_x && text.startsWith(QLatin1String(refused))) {
        refused_display = text.mid(static_cast<qsizetype>(std::strlen(refused))).trimmed().toStdString();
        if (refused_display.empty() && std::getenv("DISPLAY") != nullptr) refused_display = std::getenv("DISPLAY");
        display_refused = true;
    }
    if (type == QtFatalMsg && display_refused) {
        print_how_to_run(("the display " + refused_display + " could not be opened").c_str());
        std::_Exit(1);
    }
    held.push_back(Held{type, context.file ? context.file : "", context.function ? context.function : "",
                        context.category ? context.category : "", context.line, text});
    // After a fatal message Qt aborts: what it said reaches the user first.
    if (type == QtFatalMsg) pass_on_held();
}

}  // namespace

bool reported_no_display(const char* program)
{
#if defined(__linux__) || defined(__FreeBSD__) || defined(__OpenBSD__) || defined(__NetBSD__) || defined(__DragonFly__)
    const std::string_view platform = std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "";
    const bool x_chosen = platform.starts_with("xcb");
    if (!platform.empty() && !x_chosen) return false;
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (!x_chosen && wayland != nullptr && *wayland != '\0') return false;
    const char* display = std::getenv("DISPLAY");
    if (display != nullptr && *display != '\0') return false;
    program_name = program;
    print_how_to_run("no display is set (DISPLAY is empty)");
    return true;
#else
    (void)program;
    return false;
#endif
}

void DisplayCheck::begin(const char* program)
{
    program_name = program;
    previous_handler = qInstallMessageHandler(&take);
}

void DisplayCheck::end()
{
    const std::lock_guard lock(watch_mutex);
    qInstallMessageHandler(previous_handler);
    watching = false;
    pass_on_held();
}

}  // namespace tessmar
