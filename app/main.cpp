// tessmar-planner: opens the planner's window and runs until it is closed or Quit is pressed.
#include <QMessageLogContext>
#include <QString>
#include <QtGlobal>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "run_planner.h"

namespace {

// Qt ends the program with an abort when it cannot open the display. Instead,
// the planner says in one line that the display could not be opened, with how
// to run it without a screen, and ends with status 1. The display is not tried
// beforehand: a trial connection closed just before Qt's own would leave an X
// server without clients, which resets itself then, and Qt's connection would
// wait for that or fail. So Qt's messages are watched while the window is
// being built: they are held back, and when Qt has said that it could not
// connect to the X display, its end is replaced by the planner's line; else
// they are passed on as Qt gives them, once the window is built.
class StartWatch {
public:
    static void begin(const char* program)
    {
        program_ = program;
        previous_ = qInstallMessageHandler(&StartWatch::take);
    }

    // The window is built: Qt's messages go their own way again, the held ones first.
    static void end()
    {
        const std::lock_guard lock(mutex_);
        qInstallMessageHandler(previous_);
        watching_ = false;
        pass_on_held();
    }

private:
    struct Held {
        QtMsgType type;
        std::string file, function, category;
        int line;
        QString text;
    };

    static void take(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        const std::lock_guard lock(mutex_);
        if (!watching_) {  // came in from another thread while the watch ended
            previous_(type, context, text);
            return;
        }
        static constexpr char refused[] = "could not connect to display";
        const bool from_x = context.category != nullptr && std::strcmp(context.category, "qt.qpa.xcb") == 0;
        if (from_x && text.startsWith(QLatin1String(refused))) {
            refused_display_ = text.mid(static_cast<qsizetype>(std::strlen(refused))).trimmed().toStdString();
            if (refused_display_.empty() && std::getenv("DISPLAY") != nullptr) refused_display_ = std::getenv("DISPLAY");
            display_refused_ = true;
        }
        if (type == QtFatalMsg && display_refused_) {
            std::fprintf(stderr,
                         "tessmar-planner: the display %s could not be opened; to run it without a screen: "
                         "xvfb-run -a -s '-screen 0 1024x768x24' %s\n",
                         refused_display_.c_str(), program_);
            std::_Exit(1);
        }
        held_.push_back(Held{type, context.file ? context.file : "", context.function ? context.function : "",
                             context.category ? context.category : "", context.line, text});
        // After a fatal message Qt aborts: what it said reaches the user first.
        if (type == QtFatalMsg) pass_on_held();
    }

    static void pass_on_held()
    {
        for (const Held& message : held_) {
            const QMessageLogContext context(message.file.c_str(), message.line, message.function.c_str(),
                                             message.category.c_str());
            previous_(message.type, context, message.text);
        }
        held_.clear();
    }

    static inline const char* program_ = "";
    static inline QtMessageHandler previous_ = nullptr;
    static inline std::mutex mutex_;
    static inline std::vector<Held> held_;
    static inline bool watching_ = true;
    static inline bool display_refused_ = false;
    static inline std::string refused_display_;
};

// Where Qt would pick X by itself or was told to, an empty DISPLAY is
// reported before Qt starts. A Wayland session or another platform plugin is
// left to Qt, and so is every system without X.
bool no_display_set()
{
#if defined(__linux__) || defined(__FreeBSD__) || defined(__OpenBSD__) || defined(__NetBSD__) || defined(__DragonFly__)
    const std::string_view platform = std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "";
    const bool x_chosen = platform.starts_with("xcb");
    if (!platform.empty() && !x_chosen) return false;
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (!x_chosen && wayland != nullptr && *wayland != '\0') return false;
    const char* display = std::getenv("DISPLAY");
    return display == nullptr || *display == '\0';
#else
    return false;
#endif
}

}  // namespace

int main(int argc, char** argv)
{
    // A save past a file-size limit fails and is reported, as any other failed
    // save, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    if (no_display_set()) {
        std::fprintf(stderr,
                     "tessmar-planner: no display is set (DISPLAY is empty); to run it without a screen: "
                     "xvfb-run -a -s '-screen 0 1024x768x24' %s\n",
                     argv[0]);
        return 1;
    }
    StartWatch::begin(argv[0]);
    return tessmar::run_planner(argc, argv, [](tessmar::PlannerWindow&) { StartWatch::end(); });
}
