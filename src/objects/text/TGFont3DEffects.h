#pragma once

#include <QDialog>
#include <QStringList>

class DialogButtonBar;
class LabelSampleView;
class QComboBox;
class TColorDrop;
class TGBaseLabel;
class TGPLabel;

// The 3D effects dialog: shadow and highlight direction, colour and depth and the font colour of
// a single-line text object, tried out on a live sample. Ok copies the sample's values back.
class TGFont3DEffects : public QDialog
{
public:
    static constexpr int helpTopic = 40008;
    static constexpr int maximumDepth = 10;

    static const QStringList &shadowDirectionCaptions();
    static const QStringList &highlightDirectionCaptions();
    static QStringList depthCaptions();
    // The list row showing a depth; -1 (no selection) outside the offered range.
    static int depthIndex(int depth);

    explicit TGFont3DEffects(TGBaseLabel &target, QWidget *parent = nullptr);
    ~TGFont3DEffects() override;

    void accept() override;

    TGPLabel &sample() const { return *m_sample; }
    QComboBox *shadowDirection() const { return m_shadowDirection; }
    TColorDrop *shadowColorCombo() const { return m_shadowColor; }
    QComboBox *shadowDepth() const { return m_shadowDepth; }
    QComboBox *highlightDirection() const { return m_highlightDirection; }
    TColorDrop *highlightColorCombo() const { return m_highlightColor; }
    QComboBox *highlightDepth() const { return m_highlightDepth; }
    TColorDrop *fontColorCombo() const { return m_fontColor; }
    DialogButtonBar *buttons() const { return m_buttons; }

private:
    void loadFromTarget();

    TGBaseLabel &m_target;
    LabelSampleView *m_sampleView;
    TGPLabel *m_sample;
    QComboBox *m_shadowDirection;
    TColorDrop *m_shadowColor;
    QComboBox *m_shadowDepth;
    QComboBox *m_highlightDirection;
    TColorDrop *m_highlightColor;
    QComboBox *m_highlightDepth;
    TColorDrop *m_fontColor;
    DialogButtonBar *m_buttons;
};
