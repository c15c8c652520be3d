#include "platform/Component.h"

#include "platform/Form.h"

TComponent::TComponent(TForm* owner) : owner_(owner) {
    if (owner)
        owner->components_.emplace_back(this);
}
