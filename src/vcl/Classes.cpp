#include "vcl/Classes.h"

#include <algorithm>

TComponent::TComponent(TComponent* Owner)
{
    if (Owner)
        Owner->components_.emplace_back(this);
}

TComponent::~TComponent()
{
    DestroyComponents();
}

void TComponent::DestroyComponents()
{
    // Newest first, so a component never outlives one created before it by the same owner.
    while (!components_.empty())
        components_.pop_back();
}
