#include "app/TPanel_boczny.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace {

// The logo scaled into the widget with its proportions kept, at the top.
class TLogo : public QWidget
{
public:
    explicit TLogo(QWidget *parent)
        : QWidget(parent), m_svg(QStringLiteral(":/kerwano/logo.svg"), this)
    {
    }

    QSize sizeHint() const override { return QSize(128, 282); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!m_svg.isValid())
            return;
        QSizeF rozmiar = m_svg.defaultSize();
        rozmiar.scale(size(), Qt::KeepAspectRatio);
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        m_svg.render(&p, QRectF(QPointF((width() - rozmiar.width()) / 2, 0), rozmiar));
    }

private:
    QSvgRenderer m_svg;
};

} // namespace

TPanel_boczny::TPanel_boczny(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel2"));
    setMinimumWidth(90);
    setMaximumWidth(400);
    setFrameStyle(QFrame::Panel | QFrame::Raised);

    Label33 = new QLabel(QStringLiteral("|X| - Ukryj"), this);
    Label33->setObjectName(QStringLiteral("Label33"));
    QFont f = Label33->font();
    f.setBold(true);
    Label33->setFont(f);
    Label33->setCursor(Qt::PointingHandCursor);
    Label33->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label33->installEventFilter(this);

    Image2 = new TLogo(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->setToolTip(AdresStrony().toString());
    Image2->installEventFilter(this);

    auto *u = new QVBoxLayout(this);
    u->setContentsMargins(4, 4, 4, 4);
    u->setSpacing(6);
    u->addWidget(Label33);
    u->addWidget(Image2, 1);
}

QUrl TPanel_boczny::AdresStrony()
{
    return QUrl(QStringLiteral("https://kerwano.example/"));
}

bool TPanel_boczny::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    if (zdarzenie->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(zdarzenie)->button() == Qt::LeftButton) {
        if (obiekt == Label33) {
            emit Label33Click();
            return true;
        }
        if (obiekt == Image2) {
            emit Image2Click();
            return true;
        }
    }
    return QFrame::eventFilter(obiekt, zdarzenie);
}
