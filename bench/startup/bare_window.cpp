// The floor that Pixono's start-up is measured against: a bare Qt window with the same widgets (three
// tabs, a 416 x 454 picture, a drop-down and a spin box) and nothing else. Built by the start-up script.
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QSpinBox>
#include <QTabWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTabWidget window;
    auto* picture = new QLabel;
    QImage image(416, 454, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    picture->setPixmap(QPixmap::fromImage(image));
    window.addTab(picture, "&Pad");
    auto* settings = new QWidget;
    (new QComboBox(settings))->addItem("Port");
    (new QSpinBox(settings))->move(0, 40);
    window.addTab(settings, "&Settings");
    window.addTab(new QLabel("About"), "&About");
    window.resize(416, 454);
    window.show();
    return application.exec();
}
