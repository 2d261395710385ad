// The toolbar: eleven buttons with their pictures cut from the strip and their tooltips, and the
// separators inserted one after another at the given positions. Without the strip the buttons
// show their short texts.
export function createToolbar(element, toolbar, pictures, onCommand) {
  const items = toolbar.buttons.map((button, index) => {
    const tool = document.createElement('button');
    tool.type = 'button';
    tool.id = button.name;
    tool.className = 'tool';
    tool.title = button.toolTip;
    tool.setAttribute('aria-label', button.toolTip);
    if (pictures) {
      const picture = document.createElement('span');
      picture.className = 'tool-picture';
      picture.style.setProperty('--image', String(index));
      tool.append(picture);
    } else {
      tool.textContent = button.shortText;
    }
    tool.addEventListener('click', () => onCommand(button.id));
    return tool;
  });
  for (const position of toolbar.separators) {
    const separator = document.createElement('span');
    separator.className = 'separator';
    separator.setAttribute('role', 'separator');
    items.splice(position, 0, separator);
  }
  element.replaceChildren(...items);
  return { element };
}
