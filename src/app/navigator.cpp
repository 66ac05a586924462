#include "app/navigator.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

#include "common/random_source.h"
#include "scoring/feedback_sound.h"

Navigator::Navigator()
    : m_playSound([](Verdict verdict) { playFeedback(verdict); }),
      m_makeRandom([] { return std::make_unique<ClockRandomSource>(); }),
      m_launch([](const QString& program) { return QProcess::startDetached(program, {}); }),
      m_reportFailure([](QWidget* over, const QString& message) {
          QMessageBox box(QMessageBox::Warning, QString(), message, QMessageBox::Ok, over);
          box.setLayoutDirection(Qt::RightToLeft);
          box.exec();
      })
{
}

Navigator::~Navigator() = default;

void Navigator::registerScreen(ScreenId id, Factory factory)
{
    m_factories[id] = std::move(factory);
}

bool Navigator::isRegistered(ScreenId id) const { return m_factories.count(id) != 0; }

ScreenWindow* Navigator::screen(ScreenId id) const
{
    const auto found = m_screens.find(id);
    return found == m_screens.end() ? nullptr : found->second.get();
}

void Navigator::showScreen(ScreenId id)
{
    if (m_ended)
        return;
    ScreenWindow* window = screen(id);
    if (!window) {
        const auto factory = m_factories.find(id);
        if (factory == m_factories.end())
            return;
        auto created = factory->second(*this);
        window = created.get();
        m_screens[id] = std::move(created);
        window->watchKeys();
        window->load();
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void Navigator::hideScreen(ScreenId id)
{
    if (ScreenWindow* window = screen(id))
        window->hide();
}

void Navigator::goTo(ScreenId current, ScreenId target)
{
    if (!screen(target) && !isRegistered(target))
        return;  // nowhere to go yet: stay where we are
    showScreen(target);
    hideScreen(current);
}

void Navigator::endProgram()
{
    m_ended = true;
    for (auto& [id, window] : m_screens) {
        for (QTimer* timer : window->findChildren<QTimer*>())
            timer->stop();
        window->hide();
    }
    QCoreApplication::exit(0);
}

void Navigator::launchSibling(const QString& launchFolder, const QString& relativePath)
{
    const QString program = launchFolder + relativePath;
    if (!m_launch(program)) {
        QWidget* over = QApplication::activeWindow();
        m_reportFailure(over, launchFailureMessage(QDir::toNativeSeparators(program)));
    }
}

void Navigator::playSound(Verdict verdict) { m_playSound(verdict); }

std::unique_ptr<RandomSource> Navigator::makeRandomSource() const { return m_makeRandom(); }

void Navigator::setSoundPlayer(std::function<void(Verdict)> player)
{
    m_playSound = std::move(player);
}

void Navigator::setRandomSourceMaker(std::function<std::unique_ptr<RandomSource>()> maker)
{
    m_makeRandom = std::move(maker);
}

void Navigator::setLauncher(std::function<bool(const QString&)> launcher)
{
    m_launch = std::move(launcher);
}

void Navigator::setFailureReporter(std::function<void(QWidget*, const QString&)> reporter)
{
    m_reportFailure = std::move(reporter);
}

QString withTrailingSeparator(const QString& folder)
{
    const QString separator = QDir::separator();
    return folder.endsWith(separator) ? folder : folder + separator;
}

QString launchFailureMessage(const QString& program)
{
    return QStringLiteral("تعذر تشغيل البرنامج، فالملف غير موجود أو لا يعمل:\n") + program;
}
