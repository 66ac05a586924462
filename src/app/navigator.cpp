// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/navigator.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "common/random_source.h"
#include "scoring/feedback_sound.h"
#include "ui/type_face.h"

Navigator::Navigator()
    : m_playSound([](Verdict verdict) { playFeedback(verdict); }),
      m_makeRandom([] { return std::make_unique<ClockRandomSource>(); }),
      m_launch([](const QString& program) { return QProcess::startDetached(program, {}); }),
      m_showNotice([](QWidget* over, const QString& title, const QString& text) {
          QMessageBox notice(QMessageBox::Warning, title, text, QMessageBox::Ok, over);
          notice.setObjectName(QStringLiteral("notice"));
          notice.setLayoutDirection(Qt::RightToLeft);
          notice.setFont(typeface::controlDefault());
          notice.button(QMessageBox::Ok)->setText(QStringLiteral("موافق"));
          notice.exec();
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

namespace {

// Centres the window on the screen it replaces, or on the desktop, keeping
// it on the desktop.
void placeOver(QWidget* window, const QWidget* replaced)
{
    const QScreen* desktop = replaced ? replaced->screen() : QGuiApplication::primaryScreen();
    const QRect room = desktop ? desktop->availableGeometry() : QRect();
    QRect placed(QPoint(0, 0), window->size());
    placed.moveCenter(replaced ? replaced->geometry().center() : room.center());
    if (!room.isEmpty()) {
        placed.moveRight(std::min(placed.right(), room.right()));
        placed.moveBottom(std::min(placed.bottom(), room.bottom()));
        placed.moveLeft(std::max(placed.left(), room.left()));
        placed.moveTop(std::max(placed.top(), room.top()));
    }
    window->setGeometry(placed);
}

}  // namespace

void Navigator::showScreen(ScreenId id)
{
    const ScreenWindow* front = screen(m_lastShown);
    show(id, front && front->isVisible() ? front : nullptr);
}

void Navigator::show(ScreenId id, const QWidget* replaced)
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
        QObject::connect(window, &ScreenWindow::closedThroughFrame,
                         [this] { endIfNoScreenShown(); });
        window->load();
    }
    if (!window->isVisible())
        placeOver(window, replaced != window ? replaced : nullptr);
    m_lastShown = id;
    window->show();
    window->raise();
    window->activateWindow();
}

void Navigator::hideScreen(ScreenId id)
{
    if (ScreenWindow* window = screen(id)) {
        window->hide();
        endIfNoScreenShown();
    }
}

void Navigator::goTo(ScreenId current, ScreenId target)
{
    if (!screen(target) && !isRegistered(target))
        return;  // nowhere to go yet: stay where we are
    show(target, screen(current));
    hideScreen(current);
}

void Navigator::endIfNoScreenShown()
{
    if (m_ended)
        return;
    for (const auto& [id, window] : m_screens) {
        if (window->isVisible())
            return;
    }
    endProgram();
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
        m_showNotice(over, QString(), launchFailureMessage(QDir::toNativeSeparators(program)));
    }
}

void Navigator::playSound(Verdict verdict) { m_playSound(verdict); }

void Navigator::showNotice(QWidget* over, const QString& title, const QString& text)
{
    m_showNotice(over, title, text);
}

std::unique_ptr<RandomSource> Navigator::makeRandomSource() { return m_makeRandom(); }

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

void Navigator::setNoticeShower(NoticeShower shower) { m_showNotice = std::move(shower); }

QString withTrailingSeparator(const QString& folder)
{
    const QString separator = QDir::separator();
    return folder.endsWith(separator) ? folder : folder + separator;
}

QString launchFailureMessage(const QString& program)
{
    return QStringLiteral("تعذر تشغيل البرنامج، فالملف غير موجود أو لا يعمل:\n") + program;
}
