#include "app/TPanel_boczny.h"

#include "widgets/Kontrast.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace {

// The colour of the logo's lettering.
const QColor KOLOR_NAPISU(0x1f, 0x3a, 0x5f);

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
        const QRectF miejsce(QPointF((width() - rozmiar.width()) / 2, 0), rozmiar);
        // The logo's navy lettering is made for a light background: on a
        // dark window it stands on a light card of its own.
        if (kontrast::Kontrast(KOLOR_NAPISU, kontrast::Tlo(this)) < kontrast::CZYTELNY) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(248, 248, 246));
            p.drawRoundedRect(miejsce, 6, 6);
        }
        m_svg.render(&p, miejsce);
        if (hasFocus()) {
            QPen ramka(palette().color(QPalette::Highlight), 2, Qt::DotLine);
            p.setPen(ramka);
            p.setBrush(Qt::NoBrush);
            p.drawRect(miejsce.adjusted(1, 1, -1, -1));
        }
    }

private:
    QSvgRenderer m_svg;
};

} // namespace

TPanel_boczny::TPanel_boczny(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel2"));
    setMaximumWidth(400);
    setFrameStyle(QFrame::Panel | QFrame::Raised);

    m_ukryj = new QLabel(QStringLiteral("|X| - Ukryj"), this);
    m_ukryj->setObjectName(QStringLiteral("Label33"));
    QFont f = m_ukryj->font();
    f.setBold(true);
    m_ukryj->setFont(f);
    m_ukryj->setCursor(Qt::PointingHandCursor);
    m_ukryj->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_ukryj->installEventFilter(this);
    // Reached with Tab and pressed with Space or Enter, as a button is; the
    // frame shows where the focus stands.
    m_ukryj->setFocusPolicy(Qt::StrongFocus);
    m_ukryj->setAccessibleDescription(QStringLiteral("Ukrywa panel boczny"));

    m_logo = new TLogo(this);
    m_logo->setObjectName(QStringLiteral("Image2"));
    m_logo->setCursor(Qt::PointingHandCursor);
    m_logo->setToolTip(AdresStrony().toString());
    m_logo->installEventFilter(this);
    m_logo->setFocusPolicy(Qt::StrongFocus);
    m_logo->setAccessibleName(QStringLiteral("Logo Kerwano"));
    m_logo->setAccessibleDescription(
        QStringLiteral("Otwiera stronę %1 w przeglądarce").arg(AdresStrony().toString()));

    auto *u = new QVBoxLayout(this);
    u->setContentsMargins(4, 4, 4, 4);
    u->setSpacing(6);
    u->addWidget(m_ukryj);
    u->addWidget(m_logo, 1);
    // Never narrower than "|X| - Ukryj" in the font in use.
    setMinimumWidth(qMax(90, m_ukryj->sizeHint().width() + 12));
}

void TPanel_boczny::changeEvent(QEvent *zdarzenie)
{
    QFrame::changeEvent(zdarzenie);
    if (zdarzenie->type() == QEvent::FontChange || zdarzenie->type() == QEvent::StyleChange)
        setMinimumWidth(qMax(90, m_ukryj->sizeHint().width() + 12));
}

QUrl TPanel_boczny::AdresStrony()
{
    return QUrl(QStringLiteral("https://kerwano.example/"));
}

bool TPanel_boczny::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    const QEvent::Type typ = zdarzenie->type();
    if (typ == QEvent::FocusIn || typ == QEvent::FocusOut) {
        if (obiekt == m_ukryj)
            m_ukryj->setFrameStyle(m_ukryj->hasFocus() ? QFrame::Box | QFrame::Plain
                                                       : QFrame::NoFrame);
        else if (obiekt == m_logo)
            m_logo->update();
    }
    // Space or Enter on the focused one clicks it, as the left button does;
    // a key held down clicks once.
    bool klik = false;
    if (typ == QEvent::KeyPress) {
        const auto *klawisz = static_cast<QKeyEvent *>(zdarzenie);
        klik = !klawisz->isAutoRepeat() &&
               (klawisz->key() == Qt::Key_Space || klawisz->key() == Qt::Key_Return ||
                klawisz->key() == Qt::Key_Enter);
    } else if (typ == QEvent::MouseButtonRelease) {
        klik = static_cast<QMouseEvent *>(zdarzenie)->button() == Qt::LeftButton;
    }
    if (klik && obiekt == m_ukryj) {
        emit Label33Click();
        return true;
    }
    if (klik && obiekt == m_logo) {
        emit Image2Click();
        return true;
    }
    return QFrame::eventFilter(obiekt, zdarzenie);
}
