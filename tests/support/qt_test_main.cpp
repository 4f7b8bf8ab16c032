// Screen tests run real widgets; without a display they use the offscreen
// platform, and nothing may block on a modal dialog.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(art);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
