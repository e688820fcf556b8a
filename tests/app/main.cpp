#include <QApplication>
#include <QStandardPaths>

int runMainWindowTests(int argc, char** argv);
int runMemberDialogTests(int argc, char** argv);
int runOutputTests(int argc, char** argv);

int main(int argc, char** argv) {
    // Settings (recent files, folders, window place) go to a test folder, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    int failures = 0;
    for (auto run : {runMemberDialogTests, runMainWindowTests, runOutputTests})
        failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
