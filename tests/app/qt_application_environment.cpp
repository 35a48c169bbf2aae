#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

namespace {

// The one application object of the shell tests, made before the first test runs.
class QtApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { application = std::make_unique<QApplication>(argc, argv); }
    void TearDown() override { application.reset(); }

  private:
    int argc = 1;
    char name[10] = "app_tests";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> application;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
