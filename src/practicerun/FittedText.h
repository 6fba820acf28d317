#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QWidget>

// A text drawn at the largest size that fits the widget, up to its height:
// long texts wrap between words and shrink, and are never cut. The size is
// worked out again only when the widget's size or the text's shape changes
// (digits count as one shape, so a countdown measures once).
class QPainter;

class FittedText : public QWidget
{
public:
    explicit FittedText(const char* name, Qt::Alignment alignment, bool bold = false,
                        QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return m_text; }
    void setColor(const QColor& color);
    // Swaps the text and background colours, as when calling attention.
    void setFlashing(bool on);
    bool isFlashing() const { return m_flashing; }
    // The largest share of the height a line may take (1: all of it).
    void setLineShare(qreal share) { m_lineShare = share; }
    // The font the text is drawn in at the widget's present size.
    QFont fittedFont() const;
    // Draws a one-line text character by character from pictures kept for
    // each, as a countdown repainted every second needs: type that large is
    // otherwise drawn outline by outline. Only for texts without kerning.
    void keepCharacterPictures() { m_characterPictures = true; }

    QSize sizeHint() const override { return {80, 16}; }
    QSize minimumSizeHint() const override { return {16, 8}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int flags() const;
    bool fits(int pixels) const;
    int largestFitting() const;
    void refit();
    QString shape() const;
    bool drawFromPictures(QPainter& painter, const QColor& color);
    const QImage& picture(QChar character, const QColor& color);

    QString m_text;
    Qt::Alignment m_alignment;
    QFont m_font;
    QColor m_color = Qt::white;
    qreal m_lineShare = 1.0;
    bool m_flashing = false;
    bool m_characterPictures = false;
    QHash<QChar, QImage> m_pictures; // of the fitted font in m_picturesColor
    QColor m_picturesColor;
    bool m_wrapAnywhere = false; // a word too long for the width at the smallest size
    QString m_fittedShape;
    QSize m_fittedSize;
};
