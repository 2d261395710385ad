// An editable drop-down list: a text field with a button that opens the list of items in the
// model's order. The list never sorts or filters: what the model gives is what it shows.
let nextListId = 1;

export function createComboBox({ onChoose }) {
  const box = document.createElement('div');
  box.className = 'combo';
  const input = document.createElement('input');
  input.type = 'text';
  input.setAttribute('role', 'combobox');
  input.setAttribute('aria-autocomplete', 'none');
  input.setAttribute('aria-expanded', 'false');
  const list = document.createElement('ul');
  list.setAttribute('role', 'listbox');
  list.id = `list${nextListId++}`;
  list.hidden = true;
  input.setAttribute('aria-controls', list.id);
  const button = document.createElement('button');
  button.type = 'button';
  button.tabIndex = -1;
  button.className = 'combo-button';
  button.setAttribute('aria-label', 'Otevřít seznam');
  button.textContent = '▾';
  box.append(input, button, list);

  let items = [];
  let highlighted = -1;
  const open = () => !list.hidden;
  const highlight = (index) => {
    highlighted = index;
    list.querySelectorAll('[role=option]').forEach((option, i) => {
      option.setAttribute('aria-selected', String(i === index));
      if (i === index) option.scrollIntoView({ block: 'nearest' });
    });
    if (index >= 0) input.setAttribute('aria-activedescendant', `${list.id}-${index}`);
    else input.removeAttribute('aria-activedescendant');
  };
  const show = (visible) => {
    list.hidden = !visible;
    input.setAttribute('aria-expanded', String(visible));
    if (visible) highlight(Math.max(0, items.indexOf(input.value)));
    else highlight(-1);
  };
  const choose = (index) => {
    show(false);
    if (index >= 0 && index < items.length) onChoose(index);
    input.focus();
  };

  button.addEventListener('mousedown', (event) => event.preventDefault());
  button.addEventListener('click', () => { show(!open()); input.focus(); });
  list.addEventListener('mousedown', (event) => event.preventDefault());
  list.addEventListener('click', (event) => {
    const option = event.target.closest('[role=option]');
    if (option) choose(Number(option.dataset.index));
  });
  input.addEventListener('blur', () => show(false));
  input.addEventListener('keydown', (event) => {
    const down = event.key === 'ArrowDown';
    const up = event.key === 'ArrowUp';
    if ((event.altKey && (down || up)) || event.key === 'F4') {
      show(!open());
    } else if (open() && (down || up)) {
      highlight(Math.min(items.length - 1, Math.max(0, highlighted + (down ? 1 : -1))));
    } else if (!open() && (down || up) && items.length) {
      // As a closed drop-down list does: the arrows choose the next or previous item.
      const at = items.indexOf(input.value);
      const next = at < 0 ? 0 : Math.min(items.length - 1, Math.max(0, at + (down ? 1 : -1)));
      onChoose(next);
    } else if (open() && event.key === 'Enter') {
      choose(highlighted);
    } else if (open() && event.key === 'Escape') {
      show(false);
    } else {
      return;
    }
    // The keys the list used are not the form's Enter and Esc.
    event.preventDefault();
    event.stopPropagation();
  });

  return {
    element: box,
    input,
    // The dropped-down list shows as many rows as the model gives it (and its border).
    setListHeight(height) { list.style.maxHeight = `${height + 2}px`; },
    setItems(next) {
      if (next.length === items.length && next.every((item, i) => item === items[i])) return;
      items = [...next];
      list.replaceChildren(...items.map((item, index) => {
        const option = document.createElement('li');
        option.setAttribute('role', 'option');
        option.id = `${list.id}-${index}`;
        option.dataset.index = String(index);
        option.textContent = item;
        return option;
      }));
    },
  };
}
