#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include <memory>

namespace {

// The one application object of the shell tests, made before the first test runs.
class QtApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        // Recovery copies and earlier versions never go to the user's own data folder; a test
        // that starts this program as an editor of its own names the folder to use.
        if (!qEnvironmentVariableIsSet("GLYPHWRIGHT_DATA_DIR")) {
            qputenv("GLYPHWRIGHT_DATA_DIR", dataFolder.path().toLocal8Bit());
        }
        application = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { application.reset(); }

  private:
    int argc = 1;
    char name[10] = "app_tests";
    char* argv[2] = {name, nullptr};
    QTemporaryDir dataFolder;
    std::unique_ptr<QApplication> application;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
