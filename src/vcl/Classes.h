#pragma once

#include "rtl/AnsiString.h"

#include <functional>
#include <memory>
#include <vector>

class TObject {
public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// A component is owned by another and destroyed with it, children before their owner.
// Deleting a component first takes it out of its owner.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* Owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const AnsiString& Name() const { return name_; }
    virtual void SetName(const AnsiString& name) { name_ = name; }

protected:
    void DestroyComponents();

private:
    TComponent* owner_;
    AnsiString name_;
    std::vector<std::unique_ptr<TComponent>> components_;
};
