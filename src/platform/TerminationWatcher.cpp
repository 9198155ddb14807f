#include "platform/TerminationWatcher.h"

#include <QFile>
#include <QSocketNotifier>

#include <csignal>
#include <cstring>
#include <iterator>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_pipe[2] = {-1, -1};
volatile std::sig_atomic_t g_requested = 0;
volatile std::sig_atomic_t g_endAtOnce = 0;
// Filled before g_endAtOnce is set, read only by the handler.
char g_leftovers[2][4096] = {};

void onSignal(int number)
{
    if (g_endAtOnce) {
        for (const char *path : g_leftovers)
            if (path[0] != '\0')
                ::unlink(path);
        ::_exit(0);
    }
    g_requested = 1;
    // Only async-signal-safe work here: hand the number to the event loop.
    const auto byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const auto written = ::write(g_pipe[0], &byte, 1);
}

} // namespace

TerminationWatcher::TerminationWatcher(QObject *parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pipe) != 0)
        return;
    m_notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationWatcher::readSignal);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : {SIGTERM, SIGINT, SIGHUP})
        sigaction(number, &action, nullptr);
}

TerminationWatcher::~TerminationWatcher()
{
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    for (int number : {SIGTERM, SIGINT, SIGHUP})
        sigaction(number, &action, nullptr);
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
    g_requested = 0;
    g_endAtOnce = 0;
}

void TerminationWatcher::setEndAtOnce(bool on)
{
    g_endAtOnce = on ? 1 : 0;
}

void TerminationWatcher::setLeftovers(const QStringList &paths)
{
    const bool was = g_endAtOnce != 0;
    g_endAtOnce = 0; // the handler must not read a path half written
    for (std::size_t i = 0; i < std::size(g_leftovers); ++i) {
        const QByteArray path = QFile::encodeName(paths.value(qsizetype(i)));
        const bool fits = path.size() < qsizetype(sizeof g_leftovers[i]);
        std::memcpy(g_leftovers[i], fits ? path.constData() : "", fits ? path.size() + 1 : 1);
    }
    g_endAtOnce = was ? 1 : 0;
}

bool TerminationWatcher::requested()
{
    return g_requested != 0;
}

void TerminationWatcher::readSignal()
{
    unsigned char byte = 0;
    if (::read(g_pipe[1], &byte, 1) == 1)
        emit terminationRequested(byte);
}
