#pragma once

#include "project/Project.h"

#include <QObject>
#include <QString>
#include <QThread>
#include <atomic>
#include <memory>
#include <vector>

class QFileSystemWatcher;
class QTimer;

// The open project's rows, evaluated off the UI thread and kept true: a change in a watched
// folder or file evaluates the project again after a short pause.
class ProjectEvaluation : public QObject {
    Q_OBJECT
public:
    explicit ProjectEvaluation(QObject* parent = nullptr);
    ~ProjectEvaluation() override;

    // Evaluates the project at path (a .vbp or a folder) as a new one: its rows replace the
    // ones before as they come, and a run's end drops those left over.
    void open(const QString& path);
    // Evaluates the open project again now, or after the pause.
    void refresh();
    void refreshSoon();

    QString path() const { return m_path; }
    const proj::Project& project() const { return m_project; }
    const std::vector<proj::ClassModule>& rows() const { return m_rows; }
    bool running() const { return m_thread != nullptr; }

signals:
    // A run begins; fresh when it is of a project just opened.
    void started(bool fresh);
    void projectRead();
    void failed(const QString& message);
    // rows()[index] is known: a new row, or a new evaluation of that row.
    void rowReady(int index);
    void finished();

private:
    void start();
    void threadEnded();
    void watch();
    void take(int generation, const std::function<void()>& change);

    QString m_path;
    proj::Project m_project;
    std::vector<proj::ClassModule> m_rows;
    int m_generation = 0;
    int m_nextRow = 0;
    bool m_fresh = true;
    bool m_pending = false;
    QThread* m_thread = nullptr;
    std::shared_ptr<std::atomic_bool> m_cancel;
    QFileSystemWatcher* m_watcher;
    QTimer* m_pause;
};
