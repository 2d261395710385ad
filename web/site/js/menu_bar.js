// The menu bar: popups with their items from the model's menu table, each text with its mnemonic.
// Keyboard: F10 or Alt+letter opens it, the arrows move, Enter chooses, Esc closes.

// A menu text as the model reads it: the text and the place of its mnemonic letter, underlined.
function withMnemonic(element, { text, mnemonic }) {
  if (mnemonic < 0) {
    element.textContent = text;
    return '';
  }
  const letter = document.createElement('u');
  letter.textContent = text[mnemonic];
  element.append(text.slice(0, mnemonic), letter, text.slice(mnemonic + 1));
  return text[mnemonic].toLowerCase();
}

export function createMenuBar(menu, { onCommand, topicItems }) {
  const bar = document.createElement('ul');
  bar.className = 'menu-bar';
  bar.setAttribute('role', 'menubar');
  bar.setAttribute('aria-label', 'Nabídka');
  const tops = [];
  let openIndex = -1;

  const close = (focusTop) => {
    if (openIndex < 0) return;
    const top = tops[openIndex];
    top.popup.hidden = true;
    top.button.setAttribute('aria-expanded', 'false');
    if (focusTop) top.button.focus();
    openIndex = -1;
  };
  const fill = (top) => {
    const items = top.popupData.topics ? topicItems() : top.popupData.items;
    top.popup.replaceChildren(...items.flatMap((item) => {
      const li = document.createElement('li');
      li.setAttribute('role', 'none');
      const entry = document.createElement('button');
      entry.type = 'button';
      entry.setAttribute('role', 'menuitem');
      entry.tabIndex = -1;
      if (item.name) entry.id = item.name;
      withMnemonic(entry, item);
      entry.addEventListener('click', () => { close(false); onCommand(item); });
      li.append(entry);
      if (!item.separatorBefore) return [li];
      const separator = document.createElement('li');
      separator.setAttribute('role', 'separator');
      separator.className = 'menu-separator';
      return [separator, li];
    }));
  };
  const openAt = (index, focusFirst) => {
    close(false);
    const top = tops[index];
    fill(top);
    top.popup.hidden = false;
    top.button.setAttribute('aria-expanded', 'true');
    openIndex = index;
    top.button.focus();
    if (focusFirst) top.popup.querySelector('[role=menuitem]')?.focus();
  };

  menu.forEach((popupData, index) => {
    const li = document.createElement('li');
    li.setAttribute('role', 'none');
    const button = document.createElement('button');
    button.type = 'button';
    button.id = popupData.name;
    button.setAttribute('role', 'menuitem');
    button.setAttribute('aria-haspopup', 'menu');
    button.setAttribute('aria-expanded', 'false');
    button.tabIndex = index === 0 ? 0 : -1;
    const mnemonic = withMnemonic(button, popupData);
    const popup = document.createElement('ul');
    popup.setAttribute('role', 'menu');
    popup.setAttribute('aria-labelledby', button.id);
    popup.hidden = true;
    li.append(button, popup);
    bar.append(li);
    tops.push({ button, popup, popupData, mnemonic });
    button.addEventListener('click', () => (openIndex === index ? close(true) : openAt(index, false)));
  });

  bar.addEventListener('keydown', (event) => {
    const items = openIndex >= 0 ? [...tops[openIndex].popup.querySelectorAll('[role=menuitem]')] : [];
    const inPopup = items.includes(document.activeElement);
    const topIndex = tops.findIndex((top) => top.button === document.activeElement);
    const current = inPopup ? openIndex : topIndex;
    switch (event.key) {
      case 'ArrowRight': case 'ArrowLeft': {
        const next = (current + (event.key === 'ArrowRight' ? 1 : tops.length - 1)) % tops.length;
        if (openIndex >= 0) openAt(next, true);
        else tops[next].button.focus();
        break;
      }
      case 'ArrowDown': case 'ArrowUp':
        if (!inPopup) openAt(current, true);
        else {
          const at = items.indexOf(document.activeElement);
          items[(at + (event.key === 'ArrowDown' ? 1 : items.length - 1)) % items.length].focus();
        }
        break;
      case 'Enter': case ' ':
        if (!inPopup) openAt(current, true);
        else document.activeElement.click();
        break;
      case 'Escape':
        if (openIndex >= 0) close(true);
        else document.activeElement.blur();
        break;
      case 'Tab':
        close(false);
        return;
      default: {
        // A letter chooses the item with that mnemonic in the open popup.
        const letter = event.key.toLowerCase();
        const match = inPopup && items.find((item) => item.querySelector('u')?.textContent.toLowerCase() === letter);
        if (!match) return;
        match.click();
      }
    }
    event.preventDefault();
    event.stopPropagation();
  });
  document.addEventListener('pointerdown', (event) => { if (!bar.contains(event.target)) close(false); });

  return {
    element: bar,
    // F10 focuses the menu bar; Alt+letter opens the popup with that mnemonic.
    handleKey(event) {
      if (event.key === 'F10' && !event.shiftKey) {
        tops[0].button.focus();
        return true;
      }
      if (event.altKey && !event.ctrlKey && !event.metaKey) {
        const index = tops.findIndex((top) => top.mnemonic && top.mnemonic === event.key.toLowerCase());
        if (index >= 0) {
          openAt(index, true);
          return true;
        }
      }
      return false;
    },
  };
}
