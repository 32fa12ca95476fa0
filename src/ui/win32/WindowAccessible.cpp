#include "ui/win32/WindowAccessible.h"

#include "model/Twips.h"
#include "os/windows/WideText.h"
#include "ui/win32/FormWindow.h"
#include "window/AccessibleNames.h"

#include <algorithm>
#include <string>
#include <vector>

#include <oleacc.h>

namespace brelvon {

namespace {

// What one object of the tree says, taken when the tree is asked for: the
// window may change while a screen reader holds the objects.
struct NodeFacts {
    AccessibleRole Role = AccessibleRole::Window;
    std::wstring Name;
    std::optional<int> Value;
    std::string Control;  // the control's full name; empty for a row
    bool Checked = false;
    bool Focusable = false;
    bool ReadOnly = false;
    RECT Twips{};  // the control's place in the window's client area, for what the window draws
};

long MsaaRole(AccessibleRole role)
{
    switch (role) {
    case AccessibleRole::Button: return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::CheckBox: return ROLE_SYSTEM_CHECKBUTTON;
    case AccessibleRole::RadioButton: return ROLE_SYSTEM_RADIOBUTTON;
    case AccessibleRole::Text: return ROLE_SYSTEM_TEXT;
    case AccessibleRole::StaticText: return ROLE_SYSTEM_STATICTEXT;
    case AccessibleRole::Grouping: return ROLE_SYSTEM_GROUPING;
    case AccessibleRole::ProgressBar: return ROLE_SYSTEM_PROGRESSBAR;
    case AccessibleRole::Graphic: return ROLE_SYSTEM_GRAPHIC;
    case AccessibleRole::ColumnHeader: return ROLE_SYSTEM_COLUMNHEADER;
    case AccessibleRole::Row: return ROLE_SYSTEM_ROW;
    case AccessibleRole::Window: break;
    }
    return ROLE_SYSTEM_CLIENT;
}

BSTR Bstr(const std::wstring& text) { return ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size())); }

class NodeObject;

// The objects made for one question live together: a reference to any of them
// keeps the whole tree, so a screen reader may walk up or down from it.
struct SharedCount {
    ULONG References = 0;
    NodeObject* Root = nullptr;
};

// One object of the tree, made with its children.
class NodeObject final : public IAccessible {
public:
    NodeObject(HWND window, NodeFacts facts, NodeObject* parent, SharedCount& count)
        : window_(window), facts_(std::move(facts)), parent_(parent), count_(count)
    {}
    NodeObject(const NodeObject&) = delete;
    NodeObject& operator=(const NodeObject&) = delete;
    ~NodeObject()
    {
        for (NodeObject* child : children_) delete child;
    }

    void Adopt(NodeObject* child) { children_.push_back(child); }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (object == nullptr) return E_POINTER;
        if (id == IID_IUnknown || id == IID_IDispatch || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++count_.References; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --count_.References;
        if (left == 0) {
            SharedCount* count = &count_;
            delete count->Root;
            delete count;
        }
        return left;
    }

    // IDispatch: screen readers call IAccessible directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        if (count != nullptr) *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        if (parent == nullptr) return E_POINTER;
        if (parent_ != nullptr) {
            *parent = static_cast<IAccessible*>(parent_);
            parent_->AddRef();
            return S_OK;
        }
        // The client area's parent is the window itself.
        return ::AccessibleObjectFromWindow(window_, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                            reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override
    {
        if (count == nullptr) return E_POINTER;
        *count = static_cast<long>(children_.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT id, IDispatch** child) override
    {
        if (child == nullptr) return E_POINTER;
        *child = nullptr;
        NodeObject* node = ChildOf(id);
        if (node == nullptr) return E_INVALIDARG;
        *child = static_cast<IAccessible*>(node);
        node->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT id, BSTR* name) override
    {
        const NodeObject* node = Target(id);
        if (name == nullptr) return E_POINTER;
        if (node == nullptr) return E_INVALIDARG;
        *name = Bstr(node->facts_.Name);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT id, BSTR* value) override
    {
        const NodeObject* node = Target(id);
        if (value == nullptr) return E_POINTER;
        *value = nullptr;
        if (node == nullptr) return E_INVALIDARG;
        if (node->facts_.Value) {
            *value = Bstr(std::to_wstring(*node->facts_.Value));
            return S_OK;
        }
        if (node->facts_.Role == AccessibleRole::Text) {
            // A cell's whole text, a limit box's typed one.
            HWND box = node->ControlWindow();
            std::wstring text = node->facts_.Name;
            if (box != nullptr && !node->facts_.ReadOnly) {
                text.assign(static_cast<std::size_t>(::GetWindowTextLengthW(box)) + 1, L'\0');
                text.resize(
                    static_cast<std::size_t>(::GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
            }
            *value = Bstr(text);
            return S_OK;
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT id, BSTR* description) override
    {
        if (description != nullptr) *description = nullptr;
        return Target(id) != nullptr ? S_FALSE : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT id, VARIANT* role) override
    {
        const NodeObject* node = Target(id);
        if (role == nullptr) return E_POINTER;
        if (node == nullptr) return E_INVALIDARG;
        role->vt = VT_I4;
        role->lVal = MsaaRole(node->facts_.Role);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT id, VARIANT* state) override
    {
        const NodeObject* node = Target(id);
        if (state == nullptr) return E_POINTER;
        if (node == nullptr) return E_INVALIDARG;
        long flags = 0;
        const NodeFacts& facts = node->facts_;
        if (facts.Focusable) flags |= STATE_SYSTEM_FOCUSABLE;
        if (facts.ReadOnly) flags |= STATE_SYSTEM_READONLY;
        if (facts.Checked) flags |= STATE_SYSTEM_CHECKED;
        HWND control = node->ControlWindow();
        if (control != nullptr && ::GetFocus() == control) flags |= STATE_SYSTEM_FOCUSED;
        if (control != nullptr && !::IsWindowEnabled(control)) flags |= STATE_SYSTEM_UNAVAILABLE;
        state->vt = VT_I4;
        state->lVal = flags;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override
    {
        if (help != nullptr) *help = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override
    {
        if (file != nullptr) *file = nullptr;
        if (topic != nullptr) *topic = 0;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* shortcut) override
    {
        if (shortcut != nullptr) *shortcut = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override
    {
        if (focus == nullptr) return E_POINTER;
        focus->vt = VT_EMPTY;
        HWND focused = ::GetFocus();
        for (NodeObject* node : AllBelow()) {
            if (focused != nullptr && node->ControlWindow() == focused) {
                focus->vt = VT_DISPATCH;
                focus->pdispVal = static_cast<IAccessible*>(node);
                node->AddRef();
                return S_OK;
            }
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override
    {
        if (selection != nullptr) selection->vt = VT_EMPTY;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT id, BSTR* action) override
    {
        const NodeObject* node = Target(id);
        if (action == nullptr) return E_POINTER;
        *action = nullptr;
        if (node == nullptr) return E_INVALIDARG;
        if (!node->Presses()) return S_FALSE;
        *action = Bstr(node->facts_.Role == AccessibleRole::CheckBox && node->facts_.Checked ? L"Uncheck"
                       : node->facts_.Role == AccessibleRole::CheckBox                       ? L"Check"
                                                                                             : L"Press");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT id) override
    {
        const NodeObject* node = Target(id);
        if (node == nullptr) return E_INVALIDARG;
        HWND control = node->ControlWindow();
        if ((flags & SELFLAG_TAKEFOCUS) == 0 || control == nullptr) return S_FALSE;
        ::SetFocus(control);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT id) override
    {
        const NodeObject* node = Target(id);
        if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) return E_POINTER;
        if (node == nullptr) return E_INVALIDARG;
        const RECT place = node->ScreenPlace();
        *left = place.left;
        *top = place.top;
        *width = place.right - place.left;
        *height = place.bottom - place.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override
    {
        if (end == nullptr) return E_POINTER;
        end->vt = VT_EMPTY;
        const NodeObject* from = Target(start);
        if (from == nullptr) return E_INVALIDARG;
        NodeObject* to = nullptr;
        const auto& siblings = from->parent_ != nullptr ? from->parent_->children_ : std::vector<NodeObject*>{};
        const auto at = std::find(siblings.begin(), siblings.end(), from);
        switch (direction) {
        case NAVDIR_FIRSTCHILD: to = from->children_.empty() ? nullptr : from->children_.front(); break;
        case NAVDIR_LASTCHILD: to = from->children_.empty() ? nullptr : from->children_.back(); break;
        case NAVDIR_NEXT: to = at != siblings.end() && at + 1 != siblings.end() ? *(at + 1) : nullptr; break;
        case NAVDIR_PREVIOUS: to = at != siblings.end() && at != siblings.begin() ? *(at - 1) : nullptr; break;
        default: return E_NOTIMPL;
        }
        if (to == nullptr) return S_FALSE;
        end->vt = VT_DISPATCH;
        end->pdispVal = static_cast<IAccessible*>(to);
        to->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* found) override
    {
        if (found == nullptr) return E_POINTER;
        found->vt = VT_EMPTY;
        const POINT point{x, y};
        NodeObject* hit = nullptr;
        for (NodeObject* node = this; node != nullptr;) {
            hit = node;
            NodeObject* deeper = nullptr;
            for (NodeObject* child : node->children_) {
                const RECT place = child->ScreenPlace();
                if (::PtInRect(&place, point)) deeper = child;
            }
            node = deeper;
        }
        const RECT own = ScreenPlace();
        if (hit == this && !::PtInRect(&own, point)) return S_FALSE;
        if (hit == this) {
            found->vt = VT_I4;
            found->lVal = CHILDID_SELF;
            return S_OK;
        }
        found->vt = VT_DISPATCH;
        found->pdispVal = static_cast<IAccessible*>(hit);
        hit->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT id) override
    {
        const NodeObject* node = Target(id);
        if (node == nullptr) return E_INVALIDARG;
        if (!node->Presses()) return DISP_E_MEMBERNOTFOUND;
        ::PostMessageW(node->ControlWindow(), BM_CLICK, 0, 0);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    // CHILDID_SELF is this object; 1 to N its children.
    [[nodiscard]] NodeObject* ChildOf(const VARIANT& id) const
    {
        if (id.vt != VT_I4 || id.lVal < 1 || id.lVal > static_cast<long>(children_.size())) return nullptr;
        return children_[static_cast<std::size_t>(id.lVal - 1)];
    }
    [[nodiscard]] const NodeObject* Target(const VARIANT& id) const
    {
        if (id.vt == VT_I4 && id.lVal == CHILDID_SELF) return this;
        return ChildOf(id);
    }
    [[nodiscard]] std::vector<NodeObject*> AllBelow() const
    {
        std::vector<NodeObject*> all;
        for (NodeObject* child : children_) {
            all.push_back(child);
            const std::vector<NodeObject*> below = child->AllBelow();
            all.insert(all.end(), below.begin(), below.end());
        }
        return all;
    }
    [[nodiscard]] HWND ControlWindow() const;
    [[nodiscard]] bool Presses() const
    {
        return ControlWindow() != nullptr &&
               (facts_.Role == AccessibleRole::Button || facts_.Role == AccessibleRole::CheckBox ||
                facts_.Role == AccessibleRole::RadioButton);
    }
    [[nodiscard]] RECT ScreenPlace() const;

    HWND window_;
    NodeFacts facts_;
    NodeObject* parent_;
    SharedCount& count_;
    std::vector<NodeObject*> children_;

    friend class TreeBuilder;
};

// The FormWindow behind the objects, while it lives: found again from its
// top-level window each time, so that an object a screen reader keeps after
// the window went asks nothing of it.
struct Lookup {
    static FormWindow* Of(HWND window)
    {
        const auto found = std::find_if(Windows().begin(), Windows().end(),
                                        [window](const auto& entry) { return entry.first == window; });
        return found != Windows().end() && ::IsWindow(window) ? found->second : nullptr;
    }
    static std::vector<std::pair<HWND, FormWindow*>>& Windows()
    {
        static std::vector<std::pair<HWND, FormWindow*>> windows;
        return windows;
    }
    static void Remember(FormWindow& form)
    {
        auto& windows = Windows();
        windows.erase(
            std::remove_if(windows.begin(), windows.end(), [](const auto& entry) { return !::IsWindow(entry.first); }),
            windows.end());
        // A window handle the system gave again belongs to the window asking now.
        const auto found = std::find_if(windows.begin(), windows.end(),
                                        [&form](const auto& entry) { return entry.first == form.Window(); });
        if (found != windows.end()) {
            found->second = &form;
        } else {
            windows.emplace_back(form.Window(), &form);
        }
    }
};

HWND NodeObject::ControlWindow() const
{
    if (facts_.Control.empty() || !::IsWindow(window_)) return nullptr;
    FormWindow* form = Lookup::Of(window_);
    return form != nullptr ? form->WindowOf(facts_.Control) : nullptr;
}

RECT NodeObject::ScreenPlace() const
{
    RECT place{};
    if (!::IsWindow(window_)) return place;
    if (facts_.Role == AccessibleRole::Window) {
        ::GetClientRect(window_, &place);
        ::MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
    if (HWND control = ControlWindow(); control != nullptr) {
        ::GetWindowRect(control, &place);
        return place;
    }
    if (facts_.Control.empty()) {  // a row: around its parts
        bool first = true;
        for (const NodeObject* child : children_) {
            const RECT part = child->ScreenPlace();
            if (first) place = part;
            ::UnionRect(&place, &place, &part);
            first = false;
        }
        return place;
    }
    // What the window draws, from the model's twips.
    FormWindow* form = Lookup::Of(window_);
    const int dpi = form != nullptr ? form->Dpi() : 96;
    place = {TwipsToPixels(static_cast<int>(facts_.Twips.left), dpi),
             TwipsToPixels(static_cast<int>(facts_.Twips.top), dpi),
             TwipsToPixels(static_cast<int>(facts_.Twips.right), dpi),
             TwipsToPixels(static_cast<int>(facts_.Twips.bottom), dpi)};
    ::MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

class TreeBuilder {
public:
    // The tree's root, with one reference.
    static NodeObject* Build(HWND window, const AccessibleNode& tree)
    {
        auto* count = new SharedCount;
        count->Root = Build(window, tree, nullptr, *count);
        count->References = 1;
        return count->Root;
    }

private:
    static NodeObject* Build(HWND window, const AccessibleNode& node, NodeObject* parent, SharedCount& count)
    {
        NodeFacts facts;
        facts.Role = node.Role;
        facts.Name = WideFromUtf8(node.Name);
        facts.Value = node.Value;
        if (const Control* control = node.Source; control != nullptr && node.Role != AccessibleRole::Window) {
            facts.Control = control->FullName();
            facts.Checked = control->Value != 0 &&
                            (node.Role == AccessibleRole::CheckBox || node.Role == AccessibleRole::RadioButton);
            facts.Focusable = control->TakesFocus();
            facts.ReadOnly = control->Locked || node.Role == AccessibleRole::ProgressBar;
            int left = control->Left;
            int top = control->Top;
            for (const Control* frame = control->Container; frame != nullptr; frame = frame->Container) {
                left += frame->Left;
                top += frame->Top;
            }
            facts.Twips = {left, top, left + control->Width, top + control->Height};
        }
        auto* made = new NodeObject(window, std::move(facts), parent, count);
        for (const AccessibleNode& child : node.Children) made->Adopt(Build(window, child, made, count));
        return made;
    }
};

}  // namespace

std::optional<LRESULT> AnswerGetObject(FormWindow& window, WPARAM wParam, LPARAM lParam)
{
    if (static_cast<LONG>(lParam) != OBJID_CLIENT) return std::nullopt;
    // The objects are handed out through COM, on this window's thread.
    static thread_local const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    (void)com;
    Lookup::Remember(window);
    NodeObject* root = TreeBuilder::Build(window.Window(), AccessibleNames(window.Model()).Tree());
    const LRESULT answer = ::LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(root));
    root->Release();
    return answer;
}

}  // namespace brelvon
