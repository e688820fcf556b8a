#include "ProjectEvaluation.h"

#include "corelib/Error.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace {

// Long enough for a checkout or a build to write a batch of files, short enough to feel
// immediate.
constexpr int kPauseMilliseconds = 300;

} // namespace

ProjectEvaluation::ProjectEvaluation(QObject* parent)
    : QObject(parent), m_watcher(new QFileSystemWatcher(this)), m_pause(new QTimer(this)) {
    m_pause->setSingleShot(true);
    m_pause->setInterval(kPauseMilliseconds);
    connect(m_pause, &QTimer::timeout, this, &ProjectEvaluation::refresh);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this,
            &ProjectEvaluation::refreshSoon);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &ProjectEvaluation::refreshSoon);
}

ProjectEvaluation::~ProjectEvaluation() {
    if (m_thread) {
        m_cancel->store(true);
        m_thread->wait();
        delete m_thread;
    }
}

void ProjectEvaluation::open(const QString& path) {
    m_path = QFileInfo(path).absoluteFilePath();
    m_fresh = true;
    m_project = proj::Project();
    refresh();
}

void ProjectEvaluation::refreshSoon() {
    if (!m_path.isEmpty())
        m_pause->start();
}

// One run at a time: a request during a run cancels it and starts again when it has ended.
void ProjectEvaluation::refresh() {
    if (m_path.isEmpty())
        return;
    m_pause->stop();
    if (m_thread) {
        m_pending = true;
        m_cancel->store(true);
        return;
    }
    start();
}

void ProjectEvaluation::start() {
    const int generation = ++m_generation;
    m_nextRow = 0;
    m_cancel = std::make_shared<std::atomic_bool>(false);
    emit started(m_fresh);
    const QString path = m_path;
    const std::shared_ptr<std::atomic_bool> cancel = m_cancel;
    m_thread = QThread::create([this, path, cancel, generation] {
        proj::Project project;
        try {
            project = proj::openProject(path);
        } catch (const vlt::Error& error) {
            const QString message = error.message();
            take(generation, [this, message] { emit failed(message); });
            return;
        }
        take(generation, [this, project] {
            m_project = project;
            emit projectRead();
        });
        proj::evaluate(
            project,
            [&](const proj::ClassModule& row) {
                take(generation, [this, row] {
                    const int index = m_nextRow++;
                    if (index < int(m_rows.size()))
                        m_rows[std::size_t(index)] = row;
                    else
                        m_rows.push_back(row);
                    emit rowReady(index);
                });
            },
            [cancel] { return cancel->load(); });
    });
    connect(m_thread, &QThread::finished, this, &ProjectEvaluation::threadEnded);
    m_thread->start(QThread::LowPriority);
}

// Carries a result over to the UI thread, where it counts only while its run is the latest.
void ProjectEvaluation::take(int generation, const std::function<void()>& change) {
    QMetaObject::invokeMethod(
        this,
        [this, generation, change] {
            if (generation == m_generation && !m_cancel->load())
                change();
        },
        Qt::QueuedConnection);
}

void ProjectEvaluation::threadEnded() {
    m_thread->deleteLater();
    m_thread = nullptr;
    // The rows' slots are queued before the thread's end; let them land first.
    QMetaObject::invokeMethod(
        this,
        [this, cancelled = m_cancel->load()] {
            if (m_thread)
                return;
            if (!cancelled) {
                m_rows.resize(std::size_t(m_nextRow));
                m_fresh = false;
                watch();
                emit finished();
            }
            if (m_pending || cancelled) {
                m_pending = false;
                start();
            }
        },
        Qt::QueuedConnection);
}

// Folders tell of files written through a rename (as this program and most editors write),
// files of changes in place.
void ProjectEvaluation::watch() {
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    QStringList paths = m_project.watched;
    if (m_project.fromFile)
        paths.append(m_project.path);
    for (const proj::ClassModule& row : m_rows)
        for (const QString& file : {row.modulePath, row.templatePath})
            if (!file.isEmpty() && QFileInfo::exists(file))
                paths.append(file);
    paths.removeDuplicates();
    if (!paths.isEmpty())
        m_watcher->addPaths(paths);
}
