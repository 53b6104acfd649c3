#pragma once

// Turns a template item read from a file into an entity: one prototype of
// each kind is offered the item in a fixed order (box, line, label, picture,
// repeat field, invoice field); the first whose type matches fills itself
// and answers a copy. Data fields (type 5) and unknown types give null.

#include <memory>

#include "common/TemplateItem.h"
#include "template/diagram/CDiagramEntity.h"

// A new entity that the caller owns, or null. Throws std::runtime_error
// "Field parse error" for an item whose field key is bad.
std::unique_ptr<CDiagramEntity> CreateEntityFromTemplateItem(const TemplateItem& item);
