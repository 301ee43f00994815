#pragma once

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

// Reads an embedded picture, failing the test when it cannot be read.
inline QImage ReadPicture(const QString &path)
{
    QImage image(path);
    EXPECT_FALSE(image.isNull()) << path.toStdString();
    return image;
}
