// The planner's window as the desktop meets it, headless: the hints it gives
// the window manager, its icon, and the name the Save As dialog saves under.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QIcon>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

#include "planner_icon.h"
#include "planner_window.h"
#include "planner_style.h"
#include "save_file_dialog.h"
#include "name_only_icon_provider.h"
#include "sheet_file/save_request.h"
#include "stand_ins.h"

using namespace tessmar;

class WindowDesktopTest : public QObject {
    Q_OBJECT

private:
    StubSaveDialog save_dialog_;
    StubProgramEnd program_end_;

private slots:
    void initTestCase()
    {
        use_planner_style();
        QApplication::setQuitOnLastWindowClosed(false);
    }

    // The window's size is fixed, so its title bar offers minimising and
    // closing, and no maximising.
    void the_window_asks_for_no_maximise_button()
    {
        PlannerWindow window(save_dialog_, program_end_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        for (const Qt::WindowFlags flags : {window.windowFlags(), window.windowHandle()->flags()}) {
            QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
            QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
            QVERIFY(!flags.testFlag(Qt::FramelessWindowHint));
            QVERIFY(flags.testFlag(Qt::WindowTitleHint));
            QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
            QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        }
    }

    // The window's icon is the planner's SVG as drawn now, at every size it
    // holds, from the smallest a title bar shows to a large one for a task list.
    void the_window_has_the_planner_icon()
    {
        PlannerWindow window(save_dialog_, program_end_);
        const QIcon icon = window.windowIcon();
        QVERIFY(!icon.isNull());
        const QList<QSize> sizes = icon.availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(128, 128)));
        QSvgRenderer svg(QStringLiteral(TESSMAR_ICON_SVG));
        QVERIFY(svg.isValid());
        for (const QSize size : sizes) {
            const QImage built = icon.pixmap(size).toImage().convertToFormat(QImage::Format_RGBA8888_Premultiplied);
            QCOMPARE(built.size(), size);
            QImage drawn(size, QImage::Format_RGBA8888_Premultiplied);
            drawn.fill(Qt::transparent);
            QPainter painter(&drawn);
            svg.render(&painter);
            painter.end();
            QVERIFY2(built == drawn, qPrintable(QStringLiteral("at %1 pixels").arg(size.width())));
            QCOMPARE(qAlpha(built.pixel(size.width() / 2, size.height() / 2)), 255);
        }
    }

    // Qt's own dialog, a name typed and Return pressed: the name saved has its
    // suffix, and the dialog's own checks are made on that name, so that the
    // question whether to replace a file names the file that is written.
    void the_dialog_checks_the_name_it_saves_under()
    {
        struct Case {
            QString proposed;  // the character's name, as the window proposes it
            QString typed;     // after the proposed name, which the box holds selected
            QStringList existing;  // files made first; a name ending in "/" is a folder
            QMessageBox::StandardButton answer;  // to the question whether to replace; NoButton: none asked
            QString saved;         // in the folder; empty: the dialog stays open
        };
        const Case cases[] = {
            {{}, QStringLiteral("Sir J. Smith"), {}, QMessageBox::NoButton, QStringLiteral("Sir J. Smith.txt")},
            {{}, QStringLiteral("Sir J. Smith"), {QStringLiteral("Sir J. Smith")}, QMessageBox::NoButton, QStringLiteral("Sir J. Smith.txt")},
            {{}, QStringLiteral("Sir J. Smith"), {QStringLiteral("Sir J. Smith.txt")}, QMessageBox::Yes, QStringLiteral("Sir J. Smith.txt")},
            {{}, QStringLiteral("Sir J. Smith"), {QStringLiteral("Sir J. Smith.txt")}, QMessageBox::No, QString()},
            {{}, QStringLiteral("hero.sheet"), {QStringLiteral("hero.sheet.txt")}, QMessageBox::NoButton, QStringLiteral("hero.sheet")},
            {{}, QStringLiteral("party/hero"), {QStringLiteral("party/")}, QMessageBox::NoButton, QStringLiteral("party/hero.txt")},
            {{}, QStringLiteral("hero"), {QStringLiteral("hero.txt/")}, QMessageBox::NoButton, QString()},  // opens that folder
            // The proposed name is saved as a typed one; typing replaces it.
            {QStringLiteral("Sir J. Smith"), {}, {}, QMessageBox::NoButton, QStringLiteral("Sir J. Smith.txt")},
            {QStringLiteral("Sir J. Smith"), QStringLiteral("hero"), {}, QMessageBox::NoButton, QStringLiteral("hero.txt")},
            // A name of blanks, with the suffix or without, is not taken.
            {{}, QStringLiteral("   "), {}, QMessageBox::NoButton, QString()},
            {{}, QStringLiteral("   .txt"), {}, QMessageBox::NoButton, QString()},
        };
        for (const Case& c : cases) {
            QTemporaryDir folder;
            QVERIFY(folder.isValid());
            for (const QString& name : c.existing) {
                if (name.endsWith(u'/')) {
                    QVERIFY(QDir(folder.path()).mkpath(name));
                } else {
                    QFile file(folder.filePath(name));
                    QVERIFY(file.open(QIODevice::WriteOnly));
                }
            }
            SaveFileDialog dialog(nullptr, character_sheet_request(folder.path().toStdString(), c.proposed.toStdString()));
            dialog.setOption(QFileDialog::DontUseNativeDialog);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            auto* name_box = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name_box != nullptr);
            QCOMPARE(name_box->text(), c.proposed);
            name_box->setFocus();
            name_box->selectAll();
            QTest::keyClicks(name_box, c.typed);

            // The question is a modal box of its own, answered once it shows.
            QString asked;
            QTimer answer;
            answer.setInterval(10);
            connect(&answer, &QTimer::timeout, &dialog, [&] {
                auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (question == nullptr) return;
                asked = question->text();
                question->button(c.answer == QMessageBox::NoButton ? QMessageBox::No : c.answer)->click();
            });
            answer.start();
            QTest::keyClick(name_box, Qt::Key_Return);
            answer.stop();

            const QString what = c.proposed + u'|' + c.typed + QStringLiteral(" with ") + c.existing.join(u',');
            QVERIFY2(asked.isEmpty() == (c.answer == QMessageBox::NoButton), qPrintable(what + QStringLiteral(": asked ") + asked));
            if (!asked.isEmpty()) QVERIFY2(asked.startsWith(QFileInfo(c.saved.isEmpty() ? c.typed + QStringLiteral(".txt") : c.saved).fileName() + u' '), qPrintable(asked));
            if (c.saved.isEmpty()) {
                QVERIFY2(dialog.isVisible() && dialog.result() != QDialog::Accepted, qPrintable(what));
            } else {
                QVERIFY2(!dialog.isVisible() && dialog.result() == QDialog::Accepted, qPrintable(what));
                QCOMPARE(dialog.chosen_path(), QDir(folder.path()).filePath(c.saved));
            }
        }
    }

    // The dialog tells its entries' types from their names: a file whose name
    // says nothing is not read to find out (a file that never ends, such as
    // /proc/kmsg for root, would hold the dialog for good).
    void the_dialog_reads_no_file_to_tell_its_type()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QFile pdf_inside(folder.filePath(QStringLiteral("notes")));
        QVERIFY(pdf_inside.open(QIODevice::WriteOnly));
        pdf_inside.write("%PDF-1.4\n");
        pdf_inside.close();
        QVERIFY(QMimeDatabase().mimeTypeForFile(pdf_inside.fileName()).name() == QStringLiteral("application/pdf"));

        SaveFileDialog dialog(nullptr, character_sheet_request(folder.path().toStdString()));
        const QAbstractFileIconProvider* icons = dialog.iconProvider();
        QVERIFY(dynamic_cast<const NameOnlyIconProvider*>(icons) != nullptr);
        const QString by_name = QMimeDatabase().mimeTypeForName(QStringLiteral("application/octet-stream")).comment();
        QCOMPARE(icons->type(QFileInfo(pdf_inside.fileName())), by_name);
        QCOMPARE(icons->type(QFileInfo(folder.filePath(QStringLiteral("hero.txt")))),
                 QMimeDatabase().mimeTypeForName(QStringLiteral("text/plain")).comment());
        QCOMPARE(icons->type(QFileInfo(folder.path())), QFileIconProvider().type(QFileInfo(folder.path())));
        QVERIFY(!icons->icon(QFileInfo(pdf_inside.fileName())).isNull());
    }
};

QTEST_MAIN(WindowDesktopTest)
#include "window_desktop_test.moc"
