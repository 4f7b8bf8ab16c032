// frm42: the question screen, over the question list of frm43. The
// question (an entry of that list) is wrapped into lines at the top; three
// picture buttons choose an answer category, whose text shows below with
// one of its references into the books' articles at a time (small arrows
// step through them). Two arrows step to the previous or next question of
// the list; a button opens the summary page frm48.
#pragma once

#include <array>
#include <memory>

#include "books/line_list.h"
#include "books/question.h"
#include "shell/controls.h"
#include "shell/frame_shape.h"
#include "shell/hover_picture.h"
#include "shell/mouse_aware.h"
#include "shell/screen.h"
#include "shell/screen_kind.h"

namespace ovta {

class QuestionSource;

// Module-level state of the question screen: the hover flags of the close
// button and of the question-up arrow's pressed picture.
struct QuestionState {
    int closeHover = 0;
    int upHover = 0;
};

class Tfrm42 : public Screen, public ScreenKind<Tfrm42, QuestionState> {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm42";

    Tfrm42();
    ~Tfrm42() override;

    ImageControl* m1;                               // background
    LineList* List1;                                // the question
    LabelControl* lcap1;                            // measures the question's width
    std::array<ImageControl*, 3> highlights{};      // m5, m4, m6 by category
    std::array<LabelControl*, 3> categoryButtons{}; // Label2, Label1, Label3
    FrameShape* shp1;
    LineList* List2;    // the chosen category's text
    LineList* List3;    // the reference
    ImageControl* m2;   // previous reference
    ImageControl* m3;   // next reference
    MouseLabel* Label6; // previous question
    MouseLabel* Label7; // next question
    ImageControl* mup;
    ImageControl* mdn;
    LabelControl* Label5; // summary page
    ImageControl* m8;
    LabelControl* Label4; // close

    // The question as shown; nullptr until the screen has a question list.
    const Question* question() const { return question_.get(); }
    int QuestionRow() const { return question_ ? question_->row() : -1; }
    int Category() const { return question_ ? question_->chosen() : 0; }

    void FormCreate() override;
    void FormShow() override;
    void FormKeyDown(int key) override;
    void readingKey(int key);
    std::string copyGlyphs() const override;
    void FormMouseMove() override;

    void Label2Click(Control* sender);
    void Label2MouseMove(Control* sender);
    void m2Click();
    void m3Click();
    void Label6Click();
    void Label7Click();
    void Label6MouseDown(MouseLabel* sender);
    void Label6MouseUp(MouseLabel* sender);
    void mupMouseMove();
    void m1MouseMove();
    void Label4MouseMove();
    void Label4Click();
    void Label5Click();

protected:
    bool setsCaption() const override { return false; }

private:
    // The question list is still the one this screen was opened over.
    bool haveQuestion() const;
    void showQuestion();
    void showChoice();
    void traceQuestion() const;

    QuestionSource* source_ = nullptr;
    std::unique_ptr<Question> question_;
    int firstRow_ = -1;
    HoverPicture closeHover_;
};

} // namespace ovta
