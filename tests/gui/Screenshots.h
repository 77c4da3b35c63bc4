#pragma once
// Pictures for a person to look at: saved in the directory ROLVA_SCREENSHOTS names, or else
// under <build>/screenshots/.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

inline QString screenshotDirectory() {
    QString path = qEnvironmentVariable("ROLVA_SCREENSHOTS");
    if (path.isEmpty()) {
        // The test programs live in <build>/tests.
        QDir build(QCoreApplication::applicationDirPath());
        build.cdUp();
        path = build.filePath(QStringLiteral("screenshots"));
    }
    QDir().mkpath(path);
    return path;
}

inline void saveScreenshot(QWidget& window, const QString& name) {
    QApplication::processEvents();
    const QPixmap picture = window.grab();
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(QDir(screenshotDirectory()).filePath(name))) << name.toStdString();
}
