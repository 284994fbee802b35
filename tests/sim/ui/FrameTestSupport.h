#pragma once

#include "ChildFrame.h"
#include "VorlintView.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>

/// A shown simulation window after its initial update, with helpers that drive its controls as a
/// user would.
class FrameTest : public ::testing::Test {
protected:
    FrameTest() {
        frame.resize(900, 600);
        frame.show();
        frame.View()->OnInitialUpdate();
    }

    CVorlintView& View() { return *frame.View(); }

    /// The control whose objectName is its identifier.
    template <typename T> T& Find(int id) {
        T* widget = frame.findChild<T*>(QString::number(id));
        if (widget == nullptr)
            throw std::runtime_error("no control " + std::to_string(id));
        return *widget;
    }

    /// Selects the whole text of an edit and types `text` over it, key by key.
    void Type(int id, const QString& text) {
        QLineEdit& edit = Find<QLineEdit>(id);
        edit.selectAll();
        QTest::keyClicks(&edit, text);
    }

    /// Empties an edit with a backspace over its selected text.
    void Clear(int id) {
        QLineEdit& edit = Find<QLineEdit>(id);
        edit.selectAll();
        QTest::keyClick(&edit, Qt::Key_Backspace);
    }

    QString Text(int id) { return Find<QLineEdit>(id).text(); }

    CChildFrame frame;
};
