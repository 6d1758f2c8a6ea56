#include "vcl/Classes.h"

#include <algorithm>

TComponent::TComponent(TComponent* Owner) : owner_(Owner)
{
    if (owner_)
        owner_->components_.emplace_back(this);
}

TComponent::~TComponent()
{
    DestroyComponents();
    if (owner_) {
        auto& siblings = owner_->components_;
        const auto self = std::find_if(siblings.begin(), siblings.end(),
                                       [this](const auto& c) { return c.get() == this; });
        if (self != siblings.end()) {
            self->release();
            siblings.erase(self);
        }
    }
}

void TComponent::DestroyComponents()
{
    // Newest first, so a component never outlives one created before it by the same owner.
    while (!components_.empty()) {
        std::unique_ptr<TComponent> last = std::move(components_.back());
        components_.pop_back();
        last->owner_ = nullptr;
    }
}
