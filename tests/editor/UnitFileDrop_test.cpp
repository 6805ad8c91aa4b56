#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

#include "editor/ChoiceBox.h"
#include "editor/UnitFileDrop.h"
#include "tests/editor/WindowFixture.h"

namespace koru::test {
namespace {

class UnitFileDropTest : public WindowFixture {
protected:
    // Drops `file` on `target` as a file manager does; whether the drop was taken.
    bool drop(const std::filesystem::path& file, QWidget* target) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(file.string()))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        QCoreApplication::sendPostedEvents();
        return enter.isAccepted() && dropped.isAccepted();
    }
};

TEST_F(UnitFileDropTest, AUnitFileOpensAfterTheQuestionAParameterFileImports) {
    new UnitFileDrop(*window);
    ASSERT_TRUE(open("-Unit\r\nId=0000000042\r\nAlias=Pump\r\n-Radio\r\nChannel=12\r\n"));
    const auto unit = writeFile("dropped.kuf", "-Unit\r\nId=0000000007\r\nAlias=Mast\r\n");
    const auto parameters = writeFile("radio.kpf", "-Radio\r\nChannel=20\r\n");
    const auto text = writeFile("notes.txt", "-Unit\r\nId=0000000009\r\n");

    // Over a text field too: the unit opens, the path is not pasted.
    dialogs.answers = {false};
    EXPECT_TRUE(drop(unit, get("txtAlias")));
    EXPECT_EQ(dialogs.shown.size(), 1u);  // the save question
    EXPECT_EQ(window->configuration().unit.id, "0000000007");
    EXPECT_EQ(get<QLineEdit>("txtAlias")->text(), "Mast");

    EXPECT_TRUE(drop(parameters, window.get()));
    EXPECT_EQ(window->configuration().unit.id, "0000000007");  // imported into the open unit
    EXPECT_EQ(get<ChoiceBox>("cmbRadioFreq")->currentText(), "20");
    EXPECT_EQ(dialogs.shown.size(), 1u);

    EXPECT_FALSE(drop(text, window.get()));
    EXPECT_EQ(window->configuration().unit.id, "0000000007");
}

}  // namespace
}  // namespace koru::test
