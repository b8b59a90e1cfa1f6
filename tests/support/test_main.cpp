// Qt tests run headless, with the standard folders redirected away from the user's own.
#include <QApplication>
#include <QNetworkProxy>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    // Tests talk only to servers of their own on 127.0.0.1, never through a proxy.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
