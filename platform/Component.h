#pragma once
// Things a form owns besides its controls (timers, frame strips, dialogs). They live as long as
// their form; the form deletes them.

class TForm;

class TComponent {
public:
    explicit TComponent(TForm* owner);
    virtual ~TComponent() = default;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TForm* Owner() const { return owner_; }
    // The owner's window was hidden: a component holding pictures gives them back.
    virtual void OwnerHidden() {}

private:
    TForm* owner_;
};
