// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDialogButtonBox>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/KolvoApp.h"
#include "app/Translations.h"
#include "fakes/FakeServices.h"
#include "ui/PictureBox.h"
#include "ui/Intro.h"
#include "ui/KolvoRul.h"

// Stands in for the main window: the same constructor, load handler and exit signal.
class StandInArena : public GameWindow {
    Q_OBJECT
public:
    static inline int made = 0;

    StandInArena(const Services& given, FacePictureSource faces, QWidget* parent = nullptr)
        : GameWindow(parent), services(given), facePicture(std::move(faces))
    {
        setObjectName(QStringLiteral("KolvoArena"));
        ++made;
    }
    void Form_Load() override
    {
        ++loads;
        visibleAtLoad = isVisible();
    }

    Services services;
    FacePictureSource facePicture;
    int loads = 0;
    bool visibleAtLoad = false;
};

namespace {

// Records the order in which windows receive their close event.
class CloseLog : public QObject {
public:
    QStringList closed;
    void watch(QWidget* w) { w->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close)
            closed << watched->objectName();
        return false;
    }
};

struct Chain : FakeServices {
    std::unique_ptr<KolvoApp> app;

    Chain()
    {
        StandInArena::made = 0;
        app = std::make_unique<KolvoApp>(services(), [](const Services& s, FacePictureSource faces) {
            return new StandInArena(s, std::move(faces));
        });
    }

    StandInArena* arena() const { return static_cast<StandInArena*>(app->arena()); }

    void toSetup()
    {
        app->start();
        QTest::mouseClick(app->intro()->Order, Qt::LeftButton);
    }
    void toArena(int style = 2)
    {
        toSetup();
        QTest::mouseClick(app->setup()->DiceStyle[style - 1], Qt::LeftButton);
        QTest::mouseClick(app->setup()->Forward, Qt::LeftButton);
    }
};

// Runs the event loop until the program quits, with fn run first inside it. Returns
// the loop's exit code, 99 when nothing quit within the time.
int runUntilQuit(const std::function<void()>& fn)
{
    QTimer::singleShot(0, fn);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(5000);
    return QCoreApplication::exec();
}

} // namespace

class AppTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }
    void startShowsOnlyIntroAndSeedsOnce();
    void orderLeadsToTheSetupWindow_data();
    void orderLeadsToTheSetupWindow();
    void forwardMakesTheMainWindowOnce();
    void mainWindowReadsTheChosenFaces();
    void exitClosesInOrderAndQuits();
    void closingAnyWindowEndsTheProgram_data();
    void closingAnyWindowEndsTheProgram();
    void faceSourceOutlivesTheSetupWindow();
    void standardButtonsReadSwedish();
};

void AppTest::startShowsOnlyIntroAndSeedsOnce()
{
    Chain c;
    c.app->start();
    QVERIFY(c.app->intro());
    QVERIFY(c.app->intro()->isVisible());
    QVERIFY(!c.app->setup());
    QVERIFY(!c.app->arena());
    QCOMPARE(c.random.seeds, 1);
    QVERIFY(c.media.commands.empty());
}

void AppTest::orderLeadsToTheSetupWindow_data()
{
    QTest::addColumn<unsigned>("devices");
    QTest::addColumn<int>("commands");
    QTest::newRow("sound device") << 1u << 1;
    QTest::newRow("no sound device") << 0u << 0;
}

void AppTest::orderLeadsToTheSetupWindow()
{
    QFETCH(unsigned, devices);
    QFETCH(int, commands);
    Chain c;
    c.media.devices = devices;

    c.toSetup();

    QVERIFY(c.app->intro()); // hidden, alive
    QVERIFY(c.app->intro()->isHidden());
    QVERIFY(c.app->setup());
    QVERIFY(c.app->setup()->isVisible());
    QVERIFY(c.app->setup()->Diceholder->isVisible());
    QVERIFY(c.app->setup()->Pico[0]->isHidden()); // its load handler ran
    QCOMPARE(int(c.media.commands.size()), commands);
    if (commands)
        QCOMPARE(c.media.commands.front(), QByteArray("Play I3IK.MID"));
    QVERIFY(!c.app->arena());
    QCOMPARE(c.random.seeds, 1);
}

void AppTest::forwardMakesTheMainWindowOnce()
{
    Chain c;
    c.toArena();

    QVERIFY(c.app->setup());
    QVERIFY(c.app->setup()->isHidden());
    QVERIFY(c.app->intro()->isHidden());
    QCOMPARE(StandInArena::made, 1);
    QCOMPARE(c.arena()->loads, 1);
    QVERIFY(!c.arena()->visibleAtLoad); // loaded before it is first shown
    QVERIFY(c.arena()->isVisible());
    QCOMPARE(c.arena()->services.media, &c.media);

    // Going forward again shows the same window and loads nothing twice.
    c.app->setup()->show();
    c.app->setup()->Forward_Click();
    QCOMPARE(StandInArena::made, 1);
    QCOMPARE(c.arena()->loads, 1);
    QVERIFY(c.app->setup()->isHidden());
}

void AppTest::mainWindowReadsTheChosenFaces()
{
    Chain c;
    c.toArena(5);
    const QImage sheet = QImage(QStringLiteral(":/images/faces.png")).convertToFormat(QImage::Format_ARGB32);
    for (int v = 1; v <= 6; ++v) {
        const QImage face = c.arena()->facePicture(v).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(face, sheet.copy(128, 32 * (v - 1), face.width(), 32));
    }
}

void AppTest::exitClosesInOrderAndQuits()
{
    Chain c;
    c.toArena();
    CloseLog log;
    log.watch(c.app->intro());
    log.watch(c.app->setup());
    log.watch(c.app->arena());

    const int code = runUntilQuit([&] { emit c.arena()->exitRequested(); });

    QCOMPARE(code, 0);
    QCOMPARE(log.closed, (QStringList{"Intro", "KolvoRul", "KolvoArena"}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!c.app->intro());
    QVERIFY(!c.app->setup());
    QVERIFY(!c.app->arena());
}

void AppTest::closingAnyWindowEndsTheProgram_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("start-up window") << QStringLiteral("Intro");
    QTest::newRow("set-up window") << QStringLiteral("KolvoRul");
    QTest::newRow("main window") << QStringLiteral("KolvoArena");
}

void AppTest::closingAnyWindowEndsTheProgram()
{
    QFETCH(QString, window);
    Chain c;
    c.app->start();
    QWidget* target = c.app->intro();
    if (window != QLatin1String("Intro")) {
        QTest::mouseClick(c.app->intro()->Order, Qt::LeftButton);
        target = c.app->setup();
    }
    if (window == QLatin1String("KolvoArena")) {
        QTest::mouseClick(c.app->setup()->DiceStyle[0], Qt::LeftButton);
        QTest::mouseClick(c.app->setup()->Forward, Qt::LeftButton);
        target = c.app->arena();
    }
    QVERIFY(target->isVisible());

    // The same close event the window system's close control sends.
    const int code = runUntilQuit([&] { target->close(); });

    QCOMPARE(code, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // No window is left behind, hidden ones included.
    QVERIFY(!c.app->intro());
    QVERIFY(!c.app->setup());
    QVERIFY(!c.app->arena());
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void AppTest::faceSourceOutlivesTheSetupWindow()
{
    // While the windows go one by one at the exit, the main window may still ask for a
    // face: it must get a null picture, not read a deleted window.
    Chain c;
    c.toArena();
    QPointer<StandInArena> arena = c.arena();
    QVERIFY(!arena->facePicture(6).isNull());

    delete c.app->setup();

    QVERIFY(arena); // its own deletion is still pending
    QVERIFY(arena->facePicture(6).isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!c.app->intro() && !c.app->arena());
}

void AppTest::standardButtonsReadSwedish()
{
    // Regression: Qt's Swedish catalogue on Debian 12 leaves these buttons in English
    // ("Cancel"), so the message and input boxes showed it.
    installSwedishTranslations(*QCoreApplication::instance());
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Avbryt"));
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Avbryt"));
}

QTEST_MAIN(AppTest)
#include "app_test.moc"
